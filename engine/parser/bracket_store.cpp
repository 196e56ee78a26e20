#include "engine/parser/bracket_store.h"

namespace NCalculatorText {

BracketStore bracketStore;

std::u16string BracketStore::Add(std::u16string_view content) {
    std::u16string placeholder = u"$";
    for (char c : std::to_string(groups_.size()))
        placeholder.push_back(static_cast<char16_t>(c));
    placeholder.push_back(u'$');
    groups_.emplace_back(content);
    return placeholder;
}

bool BracketStore::TakeGroup(std::u16string_view text, std::u16string& content) noexcept {
    if (text.size() < 3 || text.front() != u'$' || text.find(u'$', 1) != text.size() - 1)
        return false;
    std::size_t index = 0;
    for (char16_t unit : text.substr(1, text.size() - 2)) {
        if (unit < u'0' || unit > u'9' || index > groups_.size())
            return false;
        index = index * 10 + static_cast<std::size_t>(unit - u'0');
    }
    if (index >= groups_.size())
        return false;
    content = std::move(groups_[index]);
    return true;
}

namespace {

// Position of the ")" that closes the "(" at open, or npos when the text ends first.
std::size_t MatchingBracket(std::u16string_view text, std::size_t open) noexcept {
    std::size_t depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++depth;
        else if (text[i] == u')' && --depth == 0)
            return i;
    }
    return std::u16string_view::npos;
}

} // namespace

void ReplaceBracketGroups(std::u16string& operand) {
    if (operand.find(u'(') == std::u16string::npos)
        return;
    std::u16string_view text = operand;
    std::u16string replaced;
    replaced.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t unit = text[i];
        if (unit == u')')
            break;
        if (unit != u'(') {
            replaced.push_back(unit);
            ++i;
            continue;
        }
        const std::size_t close = MatchingBracket(text, i);
        if (close == std::u16string_view::npos)
            break;
        replaced += bracketStore.Add(text.substr(i + 1, close - i - 1));
        i = close + 1;
    }
    replaced.append(text.substr(i));
    operand = std::move(replaced);
}

} // namespace NCalculatorText
