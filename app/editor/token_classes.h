#pragma once
// What each piece of calculation text is, line by line, for the highlighter, the bracket
// marks and the completion. Block comments and written results run across lines: the
// state at the end of one line is where the next one starts.

#include <QStringView>

#include <vector>

enum class TokenClass : unsigned char {
    Number,
    Function,       // a name of the function table, in either notation
    Constant,       // pi, e, i, j, rand and their symbols
    PreviousResult, // rslt, result
    MemoryCell,     // mem[...] or memory[...], the brackets included
    UnknownName,    // any other name: an index variable, or a mistake
    Comment,
    WrittenResult, // "=" and everything after it up to the ";"
};

inline constexpr int kTokenClassCount = 8;

struct Token {
    int start;
    int length;
    TokenClass kind;
};

// Bits of the state carried from line to line.
enum LineState : int {
    kPlainState = 0,
    kInBlockComment = 1,
    kInWrittenResult = 2,
};

// Appends the tokens of one line to `tokens` (text between them is operators, brackets,
// separators and spaces) and returns the state at the line's end.
int ClassifyLine(QStringView line, int state, std::vector<Token>& tokens);

// Characters as the parser reads them: names of ASCII letters, digits and "_"; all three
// kinds of bracket alike.
inline bool IsNameStart(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'_';
}

inline bool IsDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

inline bool IsNameChar(QChar c) {
    return IsNameStart(c) || IsDigit(c);
}

inline bool IsOpener(QChar c) {
    return c == u'(' || c == u'[' || c == u'{';
}

inline bool IsCloser(QChar c) {
    return c == u')' || c == u']' || c == u'}';
}

// The class of a name (not a memory cell) as the parser reads it.
TokenClass ClassifyName(QStringView name);
