#pragma once
// The markup inside a paragraph, list item or table cell: `code`, **bold** and
// [text](target) links. A target is a topic ("keypad"), a place in one
// ("language#powers"), a place in the same topic ("#powers") or a function ("fn:tan").

#include <string>
#include <string_view>
#include <vector>

namespace help {

enum class SpanKind { Text, Code, Bold, Link };

struct Span {
    SpanKind kind;
    std::string text;
    std::string target; // links only
};

std::vector<Span> ParseInline(std::string_view text);

// The text without its markup.
std::string PlainText(std::string_view text);

} // namespace help
