// The help's vcalc examples, run as written: the program must print what they show.

#include <gtest/gtest.h>

#include "help/source/help_example.h"
#include "help/source/help_sources.h"
#include "tests/cli/process.h"

namespace {

struct CommandCase {
    std::string where;
    help::Block block;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.where;
}

std::vector<CommandCase> AllCommands() {
    std::vector<CommandCase> cases;
    const help::HelpSources sources = help::LoadHelpSources(VANTOR_HELP_TOPICS, VANTOR_FUNCTION_HELP);
    for (const help::SourceFile& topic : sources.topics) {
        for (const help::Block& block : topic.text.blocks) {
            if (block.kind == help::BlockKind::Preformatted && block.info == "vcalc")
                cases.push_back({topic.path.filename().string() + ": " + block.lines.front(), block});
        }
    }
    return cases;
}

class VcalcExample : public testing::TestWithParam<CommandCase> {};

TEST_P(VcalcExample, PrintsWhatTheHelpShows) {
    const help::VcalcExample example = help::ReadVcalcExample(GetParam().block);
    ASSERT_EQ(example.error, "") << GetParam().where;
    const cli_testing::Outcome outcome = cli_testing::RunVcalc(example.arguments);
    EXPECT_EQ(outcome.out, example.out) << GetParam().where;
    EXPECT_EQ(outcome.err, example.err) << GetParam().where;
    EXPECT_EQ(outcome.status, example.exitStatus) << GetParam().where;
}

INSTANTIATE_TEST_SUITE_P(Help, VcalcExample, testing::ValuesIn(AllCommands()),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                             return "command_" + std::to_string(info.index + 1);
                         });

} // namespace
