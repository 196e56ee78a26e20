// Renders the help from its sources at build time: the pages, contents, index,
// search texts, what's-this texts and context topics the desktop program embeds, and
// the manual pages vcalc.1 and vantor-calculator.1.
//   vantor-help-gen TOPIC_FOLDER FUNCTION_FOLDER OUTPUT_FOLDER VERSION

#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/command_line.h"
#include "help/render/html_writer.h"
#include "help/render/roff_writer.h"

namespace {

using namespace help;

// Tabs and line breaks would end a field of the tab-separated files.
std::string Field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

void WritePages(std::ostream& out, const Reference& west, const Reference& east) {
    for (std::size_t i = 0; i < west.pages.size(); ++i) {
        const std::string html = PageHtml(west.pages[i]);
        out << "@@page " << west.pages[i].id << '\t' << Field(west.pages[i].title) << '\n' << html;
        const std::string eastHtml = PageHtml(east.pages[i]);
        if (eastHtml != html)
            out << "@@page " << east.pages[i].id << ".east\t" << Field(east.pages[i].title) << '\n'
                << eastHtml;
    }
}

void WriteTables(const std::filesystem::path& folder, const Reference& reference) {
    std::ofstream contents(folder / "contents.tsv", std::ios::binary);
    for (const ContentsEntry& entry : reference.contents)
        contents << entry.level << '\t' << entry.target << '\t' << Field(entry.title) << '\n';
    std::ofstream index(folder / "index.tsv", std::ios::binary);
    for (const IndexEntry& entry : reference.index)
        index << Field(entry.name) << '\t' << entry.target << '\n';
    std::ofstream whatsThis(folder / "whatsthis.tsv", std::ios::binary);
    for (const WhatsThisText& text : reference.whatsThis)
        whatsThis << text.key << '\t' << Field(InlineHtml(text.text)) << '\n';
    std::ofstream contexts(folder / "contexts.tsv", std::ios::binary);
    for (const ContextTopic& topic : reference.contexts)
        contexts << topic.contextId << '\t' << topic.target << '\n';
    std::ofstream search(folder / "search.tsv", std::ios::binary);
    for (const Page& page : reference.pages)
        search << page.id << '\t' << Field(page.title) << '\t' << Field(PagePlainText(page)) << '\n';
}

// "Usage: vcalc [OPTIONS] [FILE...]" gives "vcalc [OPTIONS] [FILE...]".
std::string VcalcSynopsis() {
    std::string usage = vcalc::kUsage;
    usage = usage.substr(0, usage.find('\n'));
    const std::string prefix = "Usage: ";
    return usage.starts_with(prefix) ? usage.substr(prefix.size()) : usage;
}

std::vector<ManPageLayout> ManPages(const std::string& version) {
    return {
        {"vcalc",
         "calculate a calculation text from the command line",
         {VcalcSynopsis()},
         version,
         {"vcalc", "language", "functions", "messages"},
         {"vantor-calculator(1)"}},
        {"vantor-calculator",
         "the Vantor Calculator, a scientific calculator for documents of calculations",
         {"vantor-calculator [FILE]", "vantor-calculator /p FILE",
          "vantor-calculator /pt FILE PRINTER DRIVER PORT", "vantor-calculator /dde"},
         version,
         {"getting-started", "language", "panes", "keypad", "preferences", "files", "printing"},
         {"vcalc(1)"}},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: vantor-help-gen TOPIC_FOLDER FUNCTION_FOLDER OUTPUT_FOLDER VERSION\n";
        return 2;
    }
    const HelpSources sources = LoadHelpSources(argv[1], argv[2]);
    const ReferenceInputs inputs{vcalc::kUsage};
    const Reference west = BuildReference(sources, inputs, 0);
    const Reference east = BuildReference(sources, inputs, 1);
    std::vector<std::string> errors = sources.errors;
    errors.insert(errors.end(), west.errors.begin(), west.errors.end());
    for (const ManPageLayout& layout : ManPages(argv[4])) {
        for (const std::string& topic : layout.topics) {
            if (FindPage(west, topic) == nullptr)
                errors.push_back(layout.name + ".1 names the topic " + topic + ", which does not exist");
        }
    }
    for (const std::string& error : errors)
        std::cerr << "vantor-help-gen: " << error << '\n';
    if (!errors.empty())
        return 1;

    const std::filesystem::path folder = argv[3];
    std::filesystem::create_directories(folder);
    std::ofstream pages(folder / "pages.txt", std::ios::binary);
    WritePages(pages, west, east);
    WriteTables(folder, west);

    for (const ManPageLayout& layout : ManPages(argv[4]))
        std::ofstream(folder / (layout.name + ".1"), std::ios::binary) << ManPage(west, layout);
    return 0;
}
