#include "help/source/help_sources.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace help {

namespace {

std::vector<SourceFile> LoadFolder(const std::filesystem::path& folder, bool numbered,
                                   std::vector<std::string>& errors) {
    std::vector<SourceFile> files;
    std::error_code failure;
    for (const auto& item : std::filesystem::directory_iterator(folder, failure)) {
        if (item.path().extension() != ".md")
            continue;
        std::ifstream stream(item.path(), std::ios::binary);
        const std::string source((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        std::string id = item.path().stem().string();
        if (numbered) {
            const std::size_t dash = id.find('-');
            id = dash == std::string::npos ? id : id.substr(dash + 1);
        }
        SourceFile file{id, item.path(), ParseHelpText(source)};
        for (const std::string& error : file.text.errors)
            errors.push_back(item.path().string() + ": " + error);
        files.push_back(std::move(file));
    }
    if (failure)
        errors.push_back(folder.string() + ": " + failure.message());
    std::sort(files.begin(), files.end(),
              [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
    return files;
}

} // namespace

HelpSources LoadHelpSources(const std::filesystem::path& topicFolder,
                            const std::filesystem::path& functionFolder) {
    HelpSources sources;
    sources.topics = LoadFolder(topicFolder, true, sources.errors);
    sources.functions = LoadFolder(functionFolder, false, sources.errors);
    return sources;
}

} // namespace help
