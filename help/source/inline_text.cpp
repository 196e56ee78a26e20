#include "help/source/inline_text.h"

namespace help {

namespace {

void AddText(std::vector<Span>& spans, std::string_view text) {
    if (text.empty())
        return;
    if (!spans.empty() && spans.back().kind == SpanKind::Text)
        spans.back().text += text;
    else
        spans.push_back({SpanKind::Text, std::string(text), {}});
}

} // namespace

std::vector<Span> ParseInline(std::string_view text) {
    std::vector<Span> spans;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with('`')) {
            const std::size_t close = text.find('`', i + 1);
            if (close != std::string_view::npos) {
                spans.push_back({SpanKind::Code, std::string(text.substr(i + 1, close - i - 1)), {}});
                i = close + 1;
                continue;
            }
        } else if (rest.starts_with("**")) {
            const std::size_t close = text.find("**", i + 2);
            if (close != std::string_view::npos) {
                spans.push_back({SpanKind::Bold, std::string(text.substr(i + 2, close - i - 2)), {}});
                i = close + 2;
                continue;
            }
        } else if (rest.starts_with('[')) {
            const std::size_t middle = text.find("](", i);
            const std::size_t close = middle == std::string_view::npos ? middle : text.find(')', middle);
            if (close != std::string_view::npos) {
                spans.push_back({SpanKind::Link, std::string(text.substr(i + 1, middle - i - 1)),
                                 std::string(text.substr(middle + 2, close - middle - 2))});
                i = close + 1;
                continue;
            }
        }
        AddText(spans, text.substr(i, 1));
        ++i;
    }
    return spans;
}

std::string PlainText(std::string_view text) {
    std::string plain;
    for (const Span& span : ParseInline(text))
        plain += span.text;
    return plain;
}

} // namespace help
