// The help and the language know the same names: every function has its text and a
// place in the function lists, every keyword and message is explained, and the help
// names nothing the language does not know.

#include <gtest/gtest.h>

#include <map>

#include "engine/core/status.h"
#include "engine/files/utf8.h"
#include "engine/parser/function_table.h"
#include "engine/parser/keyword_table.h"
#include "help/source/inline_text.h"
#include "tests/help/help_sources_fixture.h"

namespace {

using help_testing::ReferenceIn;
using help_testing::Sources;

std::string Utf8(std::u16string_view text) {
    return NCalculatorText::Utf16ToUtf8(text);
}

TEST(Coverage, TheSourcesReadAndBuildWithoutErrors) {
    for (const std::string& error : Sources().errors)
        ADD_FAILURE() << error;
    for (int notation : {0, 1}) {
        for (const std::string& error : ReferenceIn(notation).errors)
            ADD_FAILURE() << error;
    }
}

// The directive lines of every topic with the given name, word by word.
std::map<std::string, int> DirectiveWords(std::string_view name) {
    std::map<std::string, int> words;
    for (const help::SourceFile& topic : Sources().topics) {
        for (const help::Block& block : topic.text.blocks) {
            if (block.kind == help::BlockKind::Directive && block.text == name) {
                for (const std::string& word : block.lines)
                    ++words[word];
            }
        }
    }
    return words;
}

TEST(Coverage, EveryFunctionIsListedOnceInTheFunctionLists) {
    std::map<std::string, int> listed = DirectiveWords("functions");
    for (const NCalculatorText::FunctionEntry& entry : NCalculatorText::FunctionEntries())
        EXPECT_EQ(listed[Utf8(entry.west)], 1) << Utf8(entry.west);
}

TEST(Coverage, EveryMessageOfTheLogIsExplainedOnce) {
    std::map<std::string, int> explained = DirectiveWords("message");
    for (const NCalculatorText::StatusMessage& message : NCalculatorText::StatusMessages())
        EXPECT_EQ(explained[std::to_string(static_cast<int>(message.kind))], 1) << Utf8(message.pattern);
}

TEST(Coverage, EveryNameOfTheLanguageIsInTheIndex) {
    std::map<std::string, std::string> index;
    for (const help::IndexEntry& entry : ReferenceIn(0).index)
        index[entry.name] = entry.target;
    for (const NCalculatorText::FunctionEntry& entry : NCalculatorText::FunctionEntries()) {
        ForEachName(entry, [&](std::u16string_view name, NCalculatorText::NameNotation) {
            EXPECT_EQ(index[Utf8(name)], help::FunctionPageId(Utf8(entry.west))) << Utf8(name);
        });
    }
    for (const NCalculatorText::KeywordEntry& keyword : NCalculatorText::Keywords())
        EXPECT_TRUE(index.count(Utf8(keyword.name))) << Utf8(keyword.name);
    for (std::u16string_view prefix : {NCalculatorText::kMemoryPrefix, NCalculatorText::kMemoryLongPrefix})
        EXPECT_TRUE(index.count(Utf8(prefix))) << Utf8(prefix);
}

TEST(Coverage, EveryIndexTargetAndLinkLeadsToAPage) {
    const help::Reference& reference = ReferenceIn(0);
    std::map<std::string, std::vector<std::string>> anchors;
    for (const help::Page& page : reference.pages) {
        for (const help::Block& block : page.blocks) {
            if (block.kind == help::BlockKind::Heading)
                anchors[page.id].push_back(block.level == 1 ? page.id : block.anchor);
        }
    }
    auto exists = [&](const std::string& target) {
        const std::size_t hash = target.find('#');
        const std::string page = target.substr(0, hash);
        if (!anchors.count(page))
            return false;
        const std::vector<std::string>& names = anchors[page];
        return hash == std::string::npos ||
               std::find(names.begin(), names.end(), target.substr(hash + 1)) != names.end();
    };
    for (const help::IndexEntry& entry : reference.index)
        EXPECT_TRUE(exists(entry.target)) << entry.name << " -> " << entry.target;
    for (const help::ContentsEntry& entry : reference.contents)
        EXPECT_TRUE(exists(entry.target)) << entry.title << " -> " << entry.target;
    for (const help::Page& page : reference.pages) {
        for (const help::Block& block : page.blocks) {
            std::vector<std::string> texts = {block.text};
            if (block.kind == help::BlockKind::List || block.kind == help::BlockKind::Table)
                texts.insert(texts.end(), block.lines.begin(), block.lines.end());
            for (const std::string& text : texts) {
                for (const help::Span& span : help::ParseInline(text)) {
                    if (span.kind != help::SpanKind::Link)
                        continue;
                    const std::string target = span.target.starts_with("fn:")
                                                   ? help::FunctionPageId(span.target.substr(3))
                                               : span.target.starts_with("#") ? page.id + span.target
                                                                              : span.target;
                    EXPECT_TRUE(exists(target)) << page.id << ": " << span.target;
                }
            }
        }
    }
}

} // namespace
