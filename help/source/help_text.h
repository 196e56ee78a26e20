#pragma once
// The help's source format, a small Markdown: "#" headings (with an optional
// "{#anchor}"), paragraphs, "- " lists, "|" tables, fenced blocks ("```calc" blocks
// are calculated examples) and "@" directive lines that the reference expands.

#include <string>
#include <string_view>
#include <vector>

namespace help {

enum class BlockKind {
    Heading,      // level 1 to 3; text, anchor
    Paragraph,    // text
    List,         // lines: one item each
    Table,        // lines: rows of cells, the first the heading row
    Example,      // info: the fence's options; lines: the block
    Preformatted, // lines: shown as they are
    Directive,    // text: the name ("index"); lines: its words
};

struct Block {
    explicit Block(BlockKind blockKind) : kind(blockKind) {}

    BlockKind kind;
    int level = 0;
    std::string text;
    std::string anchor;
    std::string info;
    std::vector<std::string> lines;
};

struct HelpText {
    std::vector<Block> blocks;
    std::vector<std::string> errors; // "line 12: ..." for what the format does not allow
};

HelpText ParseHelpText(std::string_view source);

// The cells of one table row, trimmed: "| a | b |" gives {"a", "b"}.
std::vector<std::string> TableCells(std::string_view row);

// A heading's anchor when it names none: lower-case words joined by "-".
std::string Slug(std::string_view title);

} // namespace help
