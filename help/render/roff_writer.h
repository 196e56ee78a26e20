#pragma once
// A manual page in the man macros of roff, made of the topics that name it with "@man".

#include <string>
#include <vector>

#include "help/render/reference.h"

namespace help {

struct ManPageSpec {
    std::string name;                  // "vcalc"
    std::string summary;               // the NAME line after the dash
    std::vector<std::string> synopsis; // one form of the command per line, the program first
    std::string version;               // "0.1.0"
    std::vector<std::string> seeAlso;  // "vantor-calculator(1)"
};

std::string ManPage(const Reference& reference, const ManPageSpec& spec);

// Text for roff: backslashes, minus signs and non-ASCII characters escaped, inline
// markup turned into bold.
std::string RoffInline(std::string_view text);

} // namespace help
