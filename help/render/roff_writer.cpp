#include "help/render/roff_writer.h"

#include <algorithm>
#include <cstdio>

#include "help/source/help_example.h"
#include "help/source/inline_text.h"

namespace help {

namespace {

// The next code point of UTF-8 text, advancing `at`; invalid bytes give U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return U'\uFFFD';
    }
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i)
        point = (point << 6) | (byte(at + static_cast<std::size_t>(i)) & 0x3F);
    at += static_cast<std::size_t>(length);
    return point;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t point = NextCodePoint(text, at);
        if (point == U'\\') {
            escaped += "\\e";
        } else if (point == U'-') {
            escaped += "\\-";
        } else if (point < 0x80) {
            escaped += static_cast<char>(point);
        } else {
            char name[16];
            std::snprintf(name, sizeof name, "\\[u%04X]", static_cast<unsigned>(point));
            escaped += name;
        }
    }
    return escaped;
}

// A line that begins with "." or "'" would be read as a request.
std::string Line(std::string text) {
    if (!text.empty() && (text.front() == '.' || text.front() == '\''))
        text.insert(0, "\\&");
    return text + "\n";
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

std::string Verbatim(const std::vector<std::string>& lines) {
    std::string roff = ".PP\n.RS 4\n.EX\n";
    for (const std::string& line : lines)
        roff += Line(Escaped(line));
    return roff + ".EE\n.RE\n";
}

std::string ExampleRoff(const Block& block) {
    const HelpExample example = ReadExample(block);
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    };
    if (example.rewrites) {
        add(example.shown);
        lines.push_back(example.caret >= 0 ? "  (Ctrl+= with the caret at \u2038 gives)"
                                           : "  (Ctrl+Shift+= gives)");
    }
    add(example.expected);
    for (const LogLine& line : example.log)
        lines.push_back("  log: " + line.status + " | " + line.context + " | " + line.description);
    return Verbatim(lines);
}

std::string BlockRoff(const Block& block) {
    switch (block.kind) {
    case BlockKind::Heading:
        return block.level == 1 ? ".SH " + Upper(RoffInline(block.text)) + "\n"
                                : ".SS " + RoffInline(block.text) + "\n";
    case BlockKind::Paragraph:
        return ".PP\n" + Line(RoffInline(block.text));
    case BlockKind::List: {
        std::string roff;
        for (const std::string& item : block.lines)
            roff += ".IP \\(bu 2\n" + Line(RoffInline(item));
        return roff;
    }
    case BlockKind::Table: {
        std::string roff;
        for (std::size_t i = 1; i < block.lines.size(); ++i) {
            const std::vector<std::string> cells = TableCells(block.lines[i]);
            std::string rest;
            for (std::size_t c = 1; c < cells.size(); ++c) {
                if (!cells[c].empty())
                    rest += (rest.empty() ? "" : " \\(em ") + RoffInline(cells[c]);
            }
            roff += ".TP\n" + Line(cells.empty() ? std::string() : RoffInline(cells[0])) + Line(rest);
        }
        return roff;
    }
    case BlockKind::Example:
        return ExampleRoff(block);
    case BlockKind::Preformatted:
        return Verbatim(block.lines);
    case BlockKind::Directive:
        return {};
    }
    return {};
}

} // namespace

const Page* FindPage(const Reference& reference, std::string_view id) {
    for (const Page& page : reference.pages) {
        if (page.id == id)
            return &page;
    }
    return nullptr;
}

std::string RoffInline(std::string_view text) {
    std::string roff;
    for (const Span& span : ParseInline(text)) {
        if (span.kind == SpanKind::Code)
            roff += "\\fB" + Escaped(span.text) + "\\fR";
        else if (span.kind == SpanKind::Bold)
            roff += "\\fB" + Escaped(PlainText(span.text)) + "\\fR";
        else
            roff += Escaped(span.kind == SpanKind::Link ? PlainText(span.text) : span.text);
    }
    return roff;
}

std::string ManPage(const Reference& reference, const ManPageLayout& layout) {
    std::string roff = ".TH " + Upper(Escaped(layout.name)) + " 1 \"\" \"Vantor Calculator " +
                       layout.version + "\" \"User Commands\"\n";
    roff += ".SH NAME\n" + Escaped(layout.name) + " \\- " + Line(RoffInline(layout.summary));
    roff += ".SH SYNOPSIS\n";
    for (const std::string& form : layout.synopsis) {
        const std::size_t space = form.find(' ');
        roff += ".br\n\\fB" + Escaped(form.substr(0, space)) + "\\fR" +
                (space == std::string::npos ? "" : Escaped(form.substr(space))) + "\n";
    }
    for (std::size_t i = 0; i < layout.topics.size(); ++i) {
        const Page* page = FindPage(reference, layout.topics[i]);
        if (page == nullptr)
            continue;
        for (const Block& block : page->blocks) {
            // The first topic describes the program.
            const bool title = block.kind == BlockKind::Heading && block.level == 1;
            roff += title && i == 0 ? ".SH DESCRIPTION\n" : BlockRoff(block);
        }
    }
    if (!layout.seeAlso.empty()) {
        roff += ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < layout.seeAlso.size(); ++i) {
            const std::size_t bracket = layout.seeAlso[i].find('(');
            roff += ".BR " + Escaped(layout.seeAlso[i].substr(0, bracket)) + " " +
                    layout.seeAlso[i].substr(bracket) + (i + 1 < layout.seeAlso.size() ? " ,\n" : "\n");
        }
    }
    return roff;
}

} // namespace help
