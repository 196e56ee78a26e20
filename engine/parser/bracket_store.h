#pragma once
// The contents of the bracket groups taken out of the statement being parsed; each
// group's place in its operand is taken by the placeholder "$index$".

#include <string>
#include <string_view>
#include <vector>

namespace NCalculatorText {

class BracketStore {
  public:
    void Clear() noexcept { groups_.clear(); }
    // Keeps the group's content and returns its placeholder.
    std::u16string Add(std::u16string_view content);
    // When text is exactly one placeholder, moves its group's content out (each
    // placeholder stands in one operand and is resolved once) and returns true.
    bool TakeGroup(std::u16string_view text, std::u16string& content) noexcept;

  private:
    std::vector<std::u16string> groups_;
};

extern BracketStore bracketStore;

// Replaces every top-level bracket group of the operand, left to right, by its
// placeholder. Replacement stops at a ")" that closes nothing or at a "(" that is
// never closed: those brackets stay and make the operand fail later.
void ReplaceBracketGroups(std::u16string& operand);

} // namespace NCalculatorText
