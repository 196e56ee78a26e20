#include "help/source/help_example.h"

namespace help {

namespace {

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from)
            text += '\n';
        text += lines[i];
    }
    return text;
}

// Code units of UTF-16 in a UTF-8 prefix: four-byte sequences take two.
int Utf16Length(std::string_view text) {
    int length = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80)
            length += c >= 0xF0 ? 2 : 1;
    }
    return length;
}

} // namespace

HelpExample ReadExample(const Block& block) {
    HelpExample example;
    std::vector<std::string> words;
    for (std::size_t start = 0; start < block.info.size();) {
        std::size_t end = block.info.find(' ', start);
        if (end == std::string::npos)
            end = block.info.size();
        if (end > start)
            words.push_back(block.info.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& word : words) {
        if (word == "deg" || word == "grad" || word == "rad")
            example.angle = word;
        else if (word == "j")
            example.imaginaryLetter = 'j';
        else
            example.error = "unknown option \"" + word + "\"";
    }

    std::size_t logStart = block.lines.size();
    while (logStart > 0 && block.lines[logStart - 1].starts_with("log: "))
        --logStart;
    for (std::size_t i = logStart; i < block.lines.size(); ++i) {
        const std::vector<std::string> cells = TableCells(block.lines[i].substr(5));
        if (cells.size() != 3 || (cells[0] != "Error" && cells[0] != "Warning"))
            example.error = "a log line is \"log: Error|Warning | context | description\"";
        else
            example.log.push_back({cells[0], cells[1], cells[2]});
    }

    std::size_t arrow = logStart;
    for (std::size_t i = 0; i < logStart; ++i) {
        if (block.lines[i] == "=>")
            arrow = i;
    }
    example.rewrites = arrow < logStart;
    example.shown = Joined(block.lines, 0, arrow);
    std::string typed = example.shown;
    example.expected = example.rewrites ? Joined(block.lines, arrow + 1, logStart) : typed;
    if (const std::size_t mark = typed.find(kCaretMark); mark != std::string::npos) {
        if (!example.rewrites)
            example.error = "a caret needs the typed text, \"=>\" and the result";
        example.caret = Utf16Length(std::string_view(typed).substr(0, mark));
        typed.erase(mark, kCaretMark.size());
    }
    example.typed = std::move(typed);
    if (example.typed.empty())
        example.error = "the example is empty";
    return example;
}

VcalcExample ReadVcalcExample(const Block& block) {
    VcalcExample example;
    const std::string prompt = "$ vcalc";
    if (block.lines.empty() || !block.lines.front().starts_with(prompt)) {
        example.error = "the block begins with \"$ vcalc\"";
        return example;
    }
    const std::string& command = block.lines.front();
    std::string argument;
    bool quoted = false;
    bool started = false;
    for (std::size_t i = prompt.size(); i < command.size(); ++i) {
        const char c = command[i];
        if (c == '\'') {
            quoted = !quoted;
            started = true;
        } else if (c == ' ' && !quoted) {
            if (started)
                example.arguments.push_back(argument);
            argument.clear();
            started = false;
        } else {
            argument += c;
            started = true;
        }
    }
    if (started)
        example.arguments.push_back(argument);
    if (quoted)
        example.error = "a quote is never closed";

    for (std::size_t i = 1; i < block.lines.size(); ++i) {
        const std::string& line = block.lines[i];
        if (line.starts_with("stderr: "))
            example.err += line.substr(8) + "\n";
        else if (line.starts_with("exit: "))
            example.exitStatus = std::stoi(line.substr(6));
        else
            example.out += line + "\n";
    }
    return example;
}

} // namespace help
