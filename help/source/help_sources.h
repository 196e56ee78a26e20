#pragma once
// The help's source files: one per topic ("NN-id.md", in the order of their numbers)
// and one per function of the language ("<West name>.md", beside the function table).

#include <filesystem>
#include <string>
#include <vector>

#include "help/source/help_text.h"

namespace help {

struct SourceFile {
    std::string id; // the topic id ("getting-started") or the function's West name
    std::filesystem::path path;
    HelpText text;
};

struct HelpSources {
    std::vector<SourceFile> topics;
    std::vector<SourceFile> functions;
    std::vector<std::string> errors; // "<path>: line 12: ..."
};

HelpSources LoadHelpSources(const std::filesystem::path& topicFolder,
                            const std::filesystem::path& functionFolder);

} // namespace help
