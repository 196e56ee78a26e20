#pragma once
// The help as the program shows it: the topics with their directives expanded, a
// page per function built from the engine's function table and the function's own
// text, the contents, the index of names, the what's-this texts and the topics of
// the keypad's context ids. Names follow one notation (0 West, 1 East).

#include <string>
#include <vector>

#include "help/source/help_sources.h"

namespace help {

struct Page {
    std::string id; // "language", or "fn-tan" for a function
    std::string title;
    std::vector<Block> blocks;
};

struct ContentsEntry {
    int level;          // 1 topic, 2 section, 3 function under its family
    std::string target; // "language#powers"
    std::string title;
};

struct IndexEntry {
    std::string name;
    std::string target;
};

// What's-this text of a command ("command:32776") or a pane ("pane:Log").
struct WhatsThisText {
    std::string key;
    std::string text; // inline markup
};

struct ContextTopic {
    std::string contextId; // a keypad button's control id, as "1070"
    std::string target;
};

struct Reference {
    std::vector<Page> pages;
    std::vector<ContentsEntry> contents;
    std::vector<IndexEntry> index;
    std::vector<WhatsThisText> whatsThis;
    std::vector<ContextTopic> contexts;
    std::vector<std::string> errors;
};

struct ReferenceInputs {
    std::string vcalcUsage; // vcalc's --help text, whose option lines "@vcalc-options" lists
};

Reference BuildReference(const HelpSources& sources, const ReferenceInputs& inputs, int notation);

// "fn-tan": the page of the function whose West name is given.
std::string FunctionPageId(std::string_view west);

} // namespace help
