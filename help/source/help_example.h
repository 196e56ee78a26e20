#pragma once
// A calculated example of the help: a "```calc" block holds a calculation text as the
// calculator leaves it (each result behind its "="), optionally preceded by the text
// as typed and a line "=>"; "‸" (U+2038) in the typed text marks the caret of a
// Calculate, without it the whole text is calculated. Lines "log: Status | Context |
// Description" at the end are the log's lines. The fence's options: "deg" or "grad"
// (the angle unit; radians otherwise) and "j" (the imaginary letter; "i" otherwise).

#include <string>
#include <vector>

#include "help/source/help_text.h"

namespace help {

struct LogLine {
    std::string status; // "Error" or "Warning"
    std::string context;
    std::string description;
};

struct HelpExample {
    std::string shown;     // the typed text as written, the caret mark included; lines joined by "\n"
    std::string typed;     // UTF-8, the caret mark removed
    int caret = -1;        // in UTF-16 code units of `typed`; -1: calculate all
    std::string expected;  // the text after the calculation
    bool rewrites = false; // the typed text is shown apart from the result
    std::vector<LogLine> log;
    std::string angle = "rad"; // "rad", "deg" or "grad"
    char imaginaryLetter = 'i';
    std::string error; // not empty: the block is not a well-formed example
};

inline constexpr std::string_view kCaretMark = "\u2038";

HelpExample ReadExample(const Block& block);

// A "```vcalc" block: the command line "$ vcalc ARGUMENTS" (single quotes group an
// argument), then the lines of standard output, lines "stderr: …" of standard error
// and an optional "exit: N" (0 otherwise).
struct VcalcExample {
    std::vector<std::string> arguments;
    std::string out; // each line ended by a line feed
    std::string err;
    int exitStatus = 0;
    std::string error; // not empty: the block is not a well-formed example
};

VcalcExample ReadVcalcExample(const Block& block);

} // namespace help
