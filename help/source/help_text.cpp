#include "help/source/help_text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace help {

namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = text.find_last_not_of(" \t\r");
    return text.substr(start, end + 1 - start);
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream stream{std::string(text)};
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

Block HeadingBlock(std::string_view line) {
    Block block{BlockKind::Heading};
    while (block.level < static_cast<int>(line.size()) && line[static_cast<std::size_t>(block.level)] == '#')
        ++block.level;
    std::string_view title = Trim(line.substr(static_cast<std::size_t>(block.level)));
    const std::size_t brace = title.rfind("{#");
    if (brace != std::string_view::npos && title.ends_with('}')) {
        block.anchor = std::string(title.substr(brace + 2, title.size() - brace - 3));
        title = Trim(title.substr(0, brace));
    }
    block.text = std::string(title);
    if (block.anchor.empty())
        block.anchor = Slug(block.text);
    return block;
}

class Reader {
  public:
    explicit Reader(std::string_view source) {
        std::size_t start = 0;
        while (start <= source.size()) {
            std::size_t end = source.find('\n', start);
            if (end == std::string_view::npos)
                end = source.size();
            std::string_view line = source.substr(start, end - start);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    HelpText Read() {
        HelpText text;
        while (next_ < lines_.size()) {
            const std::string_view line = lines_[next_];
            const std::string_view trimmed = Trim(line);
            if (trimmed.empty()) {
                ++next_;
            } else if (line.starts_with("```")) {
                ReadFence(text);
            } else if (line.starts_with('#')) {
                text.blocks.push_back(HeadingBlock(line));
                ++next_;
            } else if (line.starts_with('@')) {
                std::vector<std::string> words = Words(line.substr(1));
                Block block{BlockKind::Directive};
                block.text = words.empty() ? std::string() : words.front();
                if (!words.empty())
                    block.lines.assign(words.begin() + 1, words.end());
                text.blocks.push_back(std::move(block));
                ++next_;
            } else if (line.starts_with("- ")) {
                ReadList(text);
            } else if (line.starts_with('|')) {
                ReadTable(text);
            } else {
                ReadParagraph(text);
            }
        }
        return text;
    }

  private:
    bool StartsOtherBlock(std::string_view line) const {
        return line.starts_with("```") || line.starts_with('#') || line.starts_with('@') ||
               line.starts_with("- ") || line.starts_with('|');
    }

    void ReadFence(HelpText& text) {
        const std::size_t opened = next_;
        const std::string info(Trim(lines_[next_++].substr(3)));
        Block block{info.starts_with("calc") ? BlockKind::Example : BlockKind::Preformatted};
        block.info = std::string(Trim(std::string_view(info).substr(info.starts_with("calc") ? 4 : 0)));
        while (next_ < lines_.size() && !lines_[next_].starts_with("```"))
            block.lines.emplace_back(lines_[next_++]);
        if (next_ == lines_.size())
            text.errors.push_back("line " + std::to_string(opened + 1) + ": the block is never closed");
        ++next_;
        text.blocks.push_back(std::move(block));
    }

    void ReadList(HelpText& text) {
        Block block{BlockKind::List};
        while (next_ < lines_.size() && !Trim(lines_[next_]).empty()) {
            const std::string_view line = lines_[next_];
            if (line.starts_with("- "))
                block.lines.emplace_back(Trim(line.substr(2)));
            else if (line.starts_with("  ") && !block.lines.empty())
                block.lines.back() += " " + std::string(Trim(line));
            else
                break;
            ++next_;
        }
        text.blocks.push_back(std::move(block));
    }

    void ReadTable(HelpText& text) {
        Block block{BlockKind::Table};
        while (next_ < lines_.size() && lines_[next_].starts_with('|')) {
            const std::string_view row = Trim(lines_[next_++]);
            if (row.find_first_not_of("|-: ") != std::string_view::npos)
                block.lines.emplace_back(row);
        }
        text.blocks.push_back(std::move(block));
    }

    void ReadParagraph(HelpText& text) {
        Block block{BlockKind::Paragraph};
        while (next_ < lines_.size() && !Trim(lines_[next_]).empty() && !StartsOtherBlock(lines_[next_])) {
            if (!block.text.empty())
                block.text += ' ';
            block.text += Trim(lines_[next_++]);
        }
        text.blocks.push_back(std::move(block));
    }

    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
};

} // namespace

HelpText ParseHelpText(std::string_view source) {
    return Reader(source).Read();
}

std::vector<std::string> TableCells(std::string_view row) {
    std::vector<std::string> cells;
    row = Trim(row);
    if (row.starts_with('|'))
        row.remove_prefix(1);
    if (row.ends_with('|'))
        row.remove_suffix(1);
    std::size_t start = 0;
    while (start <= row.size()) {
        std::size_t bar = row.find('|', start);
        // A bar inside a code span belongs to the cell.
        while (bar != std::string_view::npos &&
               std::count(row.begin() + static_cast<std::ptrdiff_t>(start),
                          row.begin() + static_cast<std::ptrdiff_t>(bar), '`') %
                       2 ==
                   1)
            bar = row.find('|', bar + 1);
        if (bar == std::string_view::npos)
            bar = row.size();
        cells.emplace_back(Trim(row.substr(start, bar - start)));
        start = bar + 1;
    }
    return cells;
}

std::string Slug(std::string_view title) {
    std::string slug;
    for (char c : title) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 0x80)
            slug += static_cast<char>(std::tolower(u));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return slug;
}

} // namespace help
