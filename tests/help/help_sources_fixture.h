#pragma once
// The help's sources as the build reads them, loaded once for a test program.

#include "help/render/reference.h"
#include "help/source/help_sources.h"

namespace help_testing {

inline const help::HelpSources& Sources() {
    static const help::HelpSources sources = help::LoadHelpSources(VANTOR_HELP_TOPICS, VANTOR_FUNCTION_HELP);
    return sources;
}

// Options text is not needed by these tests: the option list is checked by vcalc's tests.
inline const help::Reference& ReferenceIn(int notation) {
    static const help::Reference west = help::BuildReference(Sources(), {"  --help  show this help\n"}, 0);
    static const help::Reference east = help::BuildReference(Sources(), {"  --help  show this help\n"}, 1);
    return notation == 1 ? east : west;
}

} // namespace help_testing
