#include "app/help/help_lookup.h"

#include "app/help/help_content.h"
#include "engine/parser/statement_text.h"
#include "ui/keypad/keypad_keys.h"

namespace {

bool IsNameUnit(QChar unit) {
    const char16_t code = unit.unicode();
    return NCalculatorText::IsNameStart(code) || NCalculatorText::IsDigit(code);
}

bool IsOpenBracket(QChar unit) {
    return NCalculatorText::IsOpenBracket(unit.unicode());
}

const QString kKeypadTopic = QStringLiteral("keypad");

} // namespace

QString NameAtCaret(QStringView text, int caret) {
    qsizetype at = qBound(qsizetype{0}, qsizetype{caret}, text.size());
    const bool inName = at < text.size() && IsNameUnit(text[at]);
    if (!inName && at > 0 && IsOpenBracket(text[at - 1])) {
        --at;
        while (at > 0 && text[at - 1] == u' ')
            --at;
    }
    qsizetype start = at;
    while (start > 0 && IsNameUnit(text[start - 1]))
        --start;
    qsizetype end = at;
    while (end < text.size() && IsNameUnit(text[end]))
        ++end;
    return text.mid(start, end - start).toString();
}

QString TargetAtCaret(const HelpContent& content, QStringView text, int caret) {
    const QString name = NameAtCaret(text, caret);
    return name.isEmpty() ? QString() : content.TargetOfName(name);
}

QString TargetOfContextId(const HelpContent& content, std::uint32_t contextId) {
    for (const KeypadKey& key : KeypadKeys()) {
        for (bool gamma : {false, true}) {
            if (ContextHelpId(key, gamma) != contextId)
                continue;
            if (const QString named = content.ContextTarget(key.id); !named.isEmpty())
                return named;
            const KeyPress press = PressOf(key, {0, gamma, false});
            QString inserted = QString::fromStdU16String(press.text);
            while (!inserted.isEmpty() && IsOpenBracket(inserted.back()))
                inserted.chop(1);
            const QString target = content.TargetOfName(inserted);
            return target.isEmpty() ? kKeypadTopic : target;
        }
    }
    return kKeypadTopic;
}
