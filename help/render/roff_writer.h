#pragma once
// A manual page in the man macros of roff, made of topics of the help.

#include <string>
#include <vector>

#include "help/render/reference.h"

namespace help {

struct ManPageLayout {
    std::string name;                  // "vcalc"
    std::string summary;               // the NAME line after the dash
    std::vector<std::string> synopsis; // one form of the command per line, the program first
    std::string version;               // "0.1.0"
    std::vector<std::string> topics;   // in order; the first describes the program
    std::vector<std::string> seeAlso;  // "vantor-calculator(1)"
};

const Page* FindPage(const Reference& reference, std::string_view id);

std::string ManPage(const Reference& reference, const ManPageLayout& layout);

// Text for roff: backslashes, minus signs and non-ASCII characters escaped, inline
// markup turned into bold.
std::string RoffInline(std::string_view text);

} // namespace help
