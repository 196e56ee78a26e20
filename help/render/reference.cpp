#include "help/render/reference.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "engine/core/status.h"
#include "engine/files/utf8.h"
#include "engine/parser/function_table.h"

namespace help {

namespace {

using NCalculatorText::FunctionEntry;

std::string Utf8(std::u16string_view text) {
    return NCalculatorText::Utf16ToUtf8(text);
}

const FunctionEntry* EntryOf(std::string_view west) {
    const FunctionEntry* entry = NCalculatorText::FindFunctionEntry(NCalculatorText::Utf8ToUtf16(west));
    return entry != nullptr && Utf8(entry->west) == west ? entry : nullptr;
}

std::string Call(const FunctionEntry& entry, int notation) {
    return Utf8(NameIn(entry, notation)) + "(" + Utf8(entry.parameters) + ")";
}

// The names other than the notation's own, as code spans.
std::string OtherNames(const FunctionEntry& entry, int notation) {
    std::string names;
    ForEachName(entry, [&](std::u16string_view name, NCalculatorText::NameNotation) {
        if (name == NameIn(entry, notation))
            return;
        names += (names.empty() ? "`" : ", `") + Utf8(name) + "`";
    });
    return names;
}

const SourceFile* FunctionSource(const HelpSources& sources, std::string_view west) {
    for (const SourceFile& file : sources.functions) {
        if (file.id == west)
            return &file;
    }
    return nullptr;
}

std::string FunctionTitle(const FunctionEntry& entry, const SourceFile* source) {
    if (source != nullptr && !source->text.blocks.empty() &&
        source->text.blocks.front().kind == BlockKind::Heading)
        return source->text.blocks.front().text;
    return Utf8(NCalculatorText::OperationName(entry.operation));
}

std::string Summary(const SourceFile* source) {
    if (source != nullptr) {
        for (const Block& block : source->text.blocks) {
            if (block.kind == BlockKind::Paragraph)
                return block.text;
        }
    }
    return {};
}

Block MakeBlock(BlockKind kind, std::string text, int level = 0) {
    Block block{kind};
    block.text = std::move(text);
    block.level = level;
    return block;
}

// Expands one topic's directives into blocks, collecting what they declare.
class TopicBuilder {
  public:
    TopicBuilder(const HelpSources& sources, const ReferenceInputs& inputs, int notation,
                 Reference& reference)
        : sources_(sources), inputs_(inputs), notation_(notation), reference_(reference) {}

    Page Build(const SourceFile& topic) {
        topic_ = &topic;
        Page page{topic.id, {}, {}};
        const std::vector<Block>& blocks = topic.text.blocks;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const Block& block = blocks[i];
            if (block.kind == BlockKind::Heading) {
                Heading(page, block);
            } else if (block.kind != BlockKind::Directive) {
                page.blocks.push_back(block);
            } else if (block.text == "whatsthis") {
                if (i + 1 >= blocks.size() || blocks[i + 1].kind != BlockKind::Paragraph)
                    Error("@whatsthis needs a paragraph after it");
                else
                    for (const std::string& key : block.lines)
                        reference_.whatsThis.push_back({key, blocks[i + 1].text});
            } else {
                Directive(page, block);
            }
        }
        if (page.title.empty())
            Error("the topic has no \"# \" title");
        return page;
    }

  private:
    void Error(const std::string& message) {
        reference_.errors.push_back(topic_->path.string() + ": " + message);
    }

    void Heading(Page& page, const Block& block) {
        if (block.level == 1) {
            page.title = block.text;
            target_ = page.id;
            reference_.contents.push_back({1, target_, block.text});
            page.blocks.push_back(block);
            return;
        }
        target_ = page.id + "#" + block.anchor;
        if (block.level == 2)
            reference_.contents.push_back({2, target_, block.text});
        page.blocks.push_back(block);
    }

    void Directive(Page& page, const Block& block) {
        if (block.text == "index") {
            for (const std::string& name : block.lines) {
                // A function's name leads to its own page.
                if (NCalculatorText::FindFunctionEntry(NCalculatorText::Utf8ToUtf16(name)) != nullptr)
                    Error("@index names the function " + name + ", whose page the index lists already");
                reference_.index.push_back({name, target_});
            }
        } else if (block.text == "context") {
            for (const std::string& id : block.lines)
                reference_.contexts.push_back({id, target_});
        } else if (block.text == "functions") {
            page.blocks.push_back(FunctionList(block.lines));
        } else if (block.text == "message") {
            Message(page, block);
        } else if (block.text == "vcalc-options") {
            page.blocks.push_back(VcalcOptions());
        } else {
            Error("unknown directive @" + block.text);
        }
    }

    Block FunctionList(const std::vector<std::string>& names) {
        Block table{BlockKind::Table};
        table.lines.push_back("| Call | Other names | Computes |");
        for (const std::string& west : names) {
            const FunctionEntry* entry = EntryOf(west);
            if (entry == nullptr) {
                Error("@functions names " + west + ", which is no West name of a function");
                continue;
            }
            const SourceFile* source = FunctionSource(sources_, west);
            const std::string id = FunctionPageId(west);
            reference_.contents.push_back(
                {3, id, Utf8(NameIn(*entry, notation_)) + " — " + FunctionTitle(*entry, source)});
            table.lines.push_back("| [`" + Call(*entry, notation_) + "`](fn:" + west + ") | " +
                                  OtherNames(*entry, notation_) + " | " + Summary(source) + " |");
        }
        return table;
    }

    void Message(Page& page, const Block& block) {
        int number = -1;
        if (block.lines.size() == 1)
            std::from_chars(block.lines[0].data(), block.lines[0].data() + block.lines[0].size(), number);
        for (const NCalculatorText::StatusMessage& message : NCalculatorText::StatusMessages()) {
            if (static_cast<int>(message.kind) != number)
                continue;
            std::string title = Utf8(message.pattern);
            for (std::size_t at = title.find("%s"); at != std::string::npos; at = title.find("%s"))
                title.replace(at, 2, "…");
            Block heading = MakeBlock(BlockKind::Heading, title, 2);
            heading.anchor = "message-" + block.lines[0];
            Heading(page, heading);
            page.blocks.push_back(
                MakeBlock(BlockKind::Paragraph, message.warning    ? "**Warning**: the calculation goes on."
                                                : message.clearsOk ? "**Error**: the calculation stops."
                                                                   : "**Error**, yet the statement goes "
                                                                     "on with the value reached."));
            return;
        }
        Error("@message names no message of the log");
    }

    // The option lines of the usage text: two spaces, the option's names (and its value's
    // name: upper case, or choices joined by "|"), then its meaning.
    Block VcalcOptions() {
        Block table{BlockKind::Table};
        table.lines.push_back("| Option | Meaning |");
        std::istringstream usage(inputs_.vcalcUsage);
        for (std::string line; std::getline(usage, line);) {
            if (!line.starts_with("  ") || line.find_first_not_of(' ') == std::string::npos ||
                line[line.find_first_not_of(' ')] != '-')
                continue;
            std::istringstream words(line);
            std::string option;
            std::string word;
            bool value = false;
            while (words >> word) {
                const bool isValue =
                    !value && !option.empty() &&
                    (word.find('|') != std::string::npos ||
                     std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
                if (!word.starts_with('-') && !isValue)
                    break;
                value = value || isValue;
                option += (option.empty() ? "" : " ") + word;
            }
            std::string meaning = word;
            for (std::string rest; words >> rest;)
                meaning += " " + rest;
            table.lines.push_back("| `" + option + "` | " + meaning + " |");
        }
        if (table.lines.size() == 1)
            Error("@vcalc-options found no option in vcalc's usage text");
        return table;
    }

    const HelpSources& sources_;
    const ReferenceInputs& inputs_;
    int notation_;
    Reference& reference_;
    const SourceFile* topic_ = nullptr;
    std::string target_;
};

Page FunctionPage(const FunctionEntry& entry, const SourceFile* source, int notation) {
    const std::string west = Utf8(entry.west);
    const std::string title = FunctionTitle(entry, source);
    Page page{FunctionPageId(west), Utf8(NameIn(entry, notation)) + " — " + title, {}};
    Block heading = MakeBlock(BlockKind::Heading, page.title, 1);
    heading.anchor = page.id;
    page.blocks.push_back(heading);

    std::string facts = "**Call:** `" + Call(entry, notation) + "`.";
    if (const std::string others = OtherNames(entry, notation); !others.empty())
        facts += " **Other names:** " + others + ".";
    if (entry.operation != NCalculatorText::Operation::None)
        facts += " **Context in the log:** " + Utf8(NCalculatorText::OperationName(entry.operation)) + ".";
    page.blocks.push_back(MakeBlock(BlockKind::Paragraph, facts));

    if (source != nullptr) {
        for (const Block& block : source->text.blocks) {
            if (!(block.kind == BlockKind::Heading && block.level == 1))
                page.blocks.push_back(block);
        }
    }
    return page;
}

} // namespace

std::string FunctionPageId(std::string_view west) {
    return "fn-" + std::string(west);
}

Reference BuildReference(const HelpSources& sources, const ReferenceInputs& inputs, int notation) {
    Reference reference;
    TopicBuilder builder(sources, inputs, notation, reference);
    for (const SourceFile& topic : sources.topics)
        reference.pages.push_back(builder.Build(topic));

    for (const FunctionEntry& entry : NCalculatorText::FunctionEntries()) {
        const std::string west = Utf8(entry.west);
        const SourceFile* source = FunctionSource(sources, west);
        if (source == nullptr)
            reference.errors.push_back("the function " + west + " has no text " + west + ".md");
        else if (entry.operation == NCalculatorText::Operation::None &&
                 FunctionTitle(entry, source) == "None")
            reference.errors.push_back(source->path.string() +
                                       ": a function without a context needs a \"# \" title");
        reference.pages.push_back(FunctionPage(entry, source, notation));
        const std::string id = FunctionPageId(west);
        ForEachName(entry, [&](std::u16string_view name, NCalculatorText::NameNotation) {
            reference.index.push_back({Utf8(name), id});
        });
        reference.index.push_back({FunctionTitle(entry, source), id});
    }
    for (const SourceFile& file : sources.functions) {
        if (EntryOf(file.id) == nullptr)
            reference.errors.push_back(file.path.string() + ": " + file.id +
                                       " is no West name of a function");
    }
    return reference;
}

} // namespace help
