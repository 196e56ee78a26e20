#pragma once
// The edits that turn one calculation text into another, so that a calculation changes
// only what it rewrote: the undo history keeps one step, and the lines, the scroll
// position and the marks between the changes stay.

#include <string>
#include <string_view>
#include <vector>

// Replaces [start, end) of the old text (document offsets, CR LF counted as two).
struct TextEdit {
    int start;
    int end;
    std::u16string replacement;
};

// Both texts break their lines with CR LF only, as the document holds them. The edits
// come in ascending order, apart from one another. When both texts have the same lines
// (a calculation never adds or removes a line break) each changed line gives one edit of
// its changed middle; otherwise one edit covers all that differs.
std::vector<TextEdit> EditsBetween(std::u16string_view before, std::u16string_view after);
