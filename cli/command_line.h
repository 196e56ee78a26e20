#pragma once
// The arguments of vcalc, turned into what one invocation does.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/driver/calculate.h"

namespace vcalc {

struct Input {
    enum class Kind { Expression, File, StandardInput };
    Kind kind = Kind::StandardInput;
    std::string value; // the expression (UTF-8) or the file's path; "-" reads standard input
};

struct Invocation {
    std::vector<Input> inputs; // in command-line order; standard input when no -e and no FILE
    NCalculatorText::CalculationOptions calculation;
    int caret = NCalculatorText::kCalculateAll;
    std::optional<std::string> memoryFile;     // run first, as Load memory
    std::optional<std::string> saveMemoryFile; // every cell, written afterwards
    bool inPlace = false;
    bool help = false;
    bool version = false;
};

struct ParsedCommandLine {
    Invocation invocation;
    std::string error; // not empty: bad usage, and this says why
};

// args excludes the program name.
ParsedCommandLine ParseCommandLine(std::span<const char* const> args);

extern const char* const kUsage;

} // namespace vcalc
