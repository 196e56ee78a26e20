// Every example of the help, calculated by the engine: it must leave the text and
// the log exactly as the help shows them, so the help cannot drift from the program.

#include <gtest/gtest.h>

#include <set>

#include "engine/files/utf8.h"
#include "engine/parser/syntax_hints.h"
#include "engine/state/memory_store.h"
#include "help/source/help_example.h"
#include "tests/engine/log_recorder.h"
#include "tests/help/help_sources_fixture.h"

namespace {

using namespace NCalculatorText;

struct ExampleCase {
    std::string name; // file and number, for the test's name
    std::string where;
    help::Block block;
};

void PrintTo(const ExampleCase& c, std::ostream* out) {
    *out << c.where;
}

std::vector<ExampleCase> AllExamples() {
    std::vector<ExampleCase> cases;
    const help::HelpSources& sources = help_testing::Sources();
    for (const auto* files : {&sources.topics, &sources.functions}) {
        for (const help::SourceFile& file : *files) {
            int number = 0;
            for (const help::Block& block : file.text.blocks) {
                if (block.kind != help::BlockKind::Example)
                    continue;
                std::string name = file.path.stem().string() + "_" + std::to_string(++number);
                for (char& c : name)
                    c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                cases.push_back(
                    {name, file.path.filename().string() + " example " + std::to_string(number), block});
            }
        }
    }
    return cases;
}

struct Outcome {
    std::string text;
    std::vector<help::LogLine> log;
};

Outcome Calculated(const help::HelpExample& example) {
    memoryStore = MemoryStore{};
    engineState.previousResult = Complex{};
    CalculationOptions options;
    options.angleUnit = example.angle == "deg"    ? AngleUnit::Degrees
                        : example.angle == "grad" ? AngleUnit::Grads
                                                  : AngleUnit::Radians;
    options.imaginaryLetter = static_cast<char16_t>(example.imaginaryLetter);
    const testing_support::Run run =
        testing_support::Calculate(NCalculatorText::Utf8ToUtf16(example.typed), example.caret, options);
    Outcome outcome{NCalculatorText::Utf16ToUtf8(run.text), {}};
    for (const auto& message : run.messages)
        outcome.log.push_back({message.kind == 1 ? "Error" : "Warning",
                               NCalculatorText::Utf16ToUtf8(message.operation),
                               NCalculatorText::Utf16ToUtf8(message.text)});
    return outcome;
}

std::string Lines(const std::vector<help::LogLine>& log) {
    std::string text;
    for (const help::LogLine& line : log)
        text += line.status + " | " + line.context + " | " + line.description + "\n";
    return text;
}

class Example : public testing::TestWithParam<ExampleCase> {};

TEST_P(Example, GivesWhatTheHelpShows) {
    const help::HelpExample example = help::ReadExample(GetParam().block);
    ASSERT_EQ(example.error, "") << GetParam().where;
    const Outcome outcome = Calculated(example);
    EXPECT_EQ(outcome.text, example.expected) << GetParam().where;
    EXPECT_EQ(Lines(outcome.log), Lines(example.log)) << GetParam().where;
}

INSTANTIATE_TEST_SUITE_P(Help, Example, testing::ValuesIn(AllExamples()),
                         [](const testing::TestParamInfo<ExampleCase>& info) { return info.param.name; });

// The kind of hint a logged advice line is: the statement of the example that gives it.
std::set<HintKind> KindsShown() {
    std::set<HintKind> kinds;
    for (const ExampleCase& c : AllExamples()) {
        const help::HelpExample example = help::ReadExample(c.block);
        for (const help::LogLine& line : example.log) {
            if (line.description == NCalculatorText::Utf16ToUtf8(UnclosedCommentHint().text))
                kinds.insert(HintKind::UnclosedComment);
            std::size_t start = 0;
            const std::u16string typed = NCalculatorText::Utf8ToUtf16(example.typed);
            while (start <= typed.size()) {
                std::size_t end = typed.find(u';', start);
                if (end == std::u16string::npos)
                    end = typed.size();
                const auto hint = FindSyntaxHint(std::u16string_view(typed).substr(start, end - start));
                if (hint && NCalculatorText::Utf16ToUtf8(hint->text) == line.description)
                    kinds.insert(hint->kind);
                start = end + 1;
            }
        }
    }
    return kinds;
}

TEST(Hints, EveryKindIsShownByAnExample) {
    const std::set<HintKind> shown = KindsShown();
    for (HintKind kind : HintKinds())
        EXPECT_TRUE(shown.count(kind)) << "no example of the help shows hint kind " << static_cast<int>(kind);
}

} // namespace
