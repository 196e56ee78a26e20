// Golden files: each statement of tests/cli/golden/*.txt is fed through vcalc and its
// output compared with the indented lines that follow it.
//
// Format: a line is a statement; the indented lines after it are what vcalc prints for
// it: first the rewritten text, then one line per log message as
// "Error|Warning: context: description". Lines starting with "#" are comments; a
// known failure is parked by commenting it out beside its issue number.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/cli/process.h"

using namespace cli_testing;

namespace {

struct GoldenCase {
    std::string file;
    int line = 0;
    std::string statement;
    std::vector<std::string> expected;
};

std::vector<GoldenCase> LoadGoldenFiles() {
    std::vector<GoldenCase> cases;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        std::istringstream text(ReadFile(path));
        std::string line;
        int number = 0;
        while (std::getline(text, line)) {
            ++number;
            if (line.empty() || line.starts_with("#"))
                continue;
            if (line.starts_with("    ")) {
                if (!cases.empty())
                    cases.back().expected.push_back(line.substr(4));
                continue;
            }
            cases.push_back({path.filename().string(), number, line, {}});
        }
    }
    return cases;
}

// What vcalc printed, in the golden notation.
std::vector<std::string> Observed(const Outcome& outcome) {
    std::vector<std::string> lines;
    std::string out = outcome.out;
    if (out.ends_with('\n'))
        out.pop_back();
    lines.push_back(out);
    std::istringstream err(outcome.err);
    std::string line;
    while (std::getline(err, line)) {
        // "N<TAB>Kind<TAB>Context<TAB>Description" becomes "Kind: Context: Description".
        std::vector<std::string> columns;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, '\t'))
            columns.push_back(field);
        if (columns.size() == 4)
            lines.push_back(columns[1] + ": " + columns[2] + ": " + columns[3]);
        else
            lines.push_back(line);
    }
    return lines;
}

TEST(Golden, EveryStatementPrintsItsExpectedLines) {
    const auto cases = LoadGoldenFiles();
    ASSERT_FALSE(cases.empty());
    for (const GoldenCase& golden : cases) {
        const Outcome outcome = RunVcalc({"-e", golden.statement});
        EXPECT_EQ(Observed(outcome), golden.expected)
            << golden.file << ":" << golden.line << ": " << golden.statement;
    }
}

} // namespace
