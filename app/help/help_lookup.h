#pragma once
// Which help page F1 opens: the page of the name at the editor's caret, or of a keypad
// key's context id.

#include <QString>
#include <QStringView>

#include <cstdint>

class HelpContent;

// The name the caret is in or just after, or the name before the bracket the caret is
// just after (so "tg(" with the caret after "(" gives "tg"); empty when there is none.
QString NameAtCaret(QStringView text, int caret);

// The page of the name at the caret; empty when it is no name of the index.
QString TargetAtCaret(const HelpContent& content, QStringView text, int caret);

// The page of a keypad key's context id: a topic the help names for the key, else the
// page of what the key inserts, else the keypad's page.
QString TargetOfContextId(const HelpContent& content, std::uint32_t contextId);
