#include "app/help/application_help.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPointer>

#include "app/help/calc_help_window.h"
#include "app/help/help_content.h"
#include "app/help/help_lookup.h"
#include "app/mainframe/command_actions.h"
#include "app/preferences/preferences.h"
#include "ui/keypad/color_button.h"

namespace {

QPointer<CCalcHelpWindow> helpWindow;

// The pages of the panes, by the object names of what they host.
struct PaneTopic {
    const char* objectName;
    const char* target;
};

constexpr PaneTopic kPaneTopics[] = {
    {"Keypad", "keypad"},
    {"log", "panes#log"},
    {"memory", "panes#memory"},
    {"statistics", "panes#statistics"},
};

QString PaneTarget(QWidget* focus) {
    for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
        for (const PaneTopic& topic : kPaneTopics) {
            if (widget->objectName() == QLatin1String(topic.objectName))
                return QString::fromLatin1(topic.target);
        }
    }
    return {};
}

} // namespace

void ShowHelp(const QString& target, QWidget* owner) {
    if (helpWindow == nullptr)
        helpWindow =
            new CCalcHelpWindow(HelpContent::Embedded(), owner != nullptr ? owner->window() : nullptr);
    helpWindow->Show(target, preferenceStore.values.notation);
}

CCalcHelpWindow* OpenHelpWindow() {
    return helpWindow;
}

QString HelpTargetForF1(QWidget* underPointer, QWidget* focus, QWidget* editor) {
    const HelpContent& content = HelpContent::Embedded();
    if (const auto* key = qobject_cast<CColorButton*>(underPointer))
        return TargetOfContextId(content, key->ContextHelpId());
    if (focus != nullptr && focus == editor) {
        if (const auto* text = qobject_cast<QPlainTextEdit*>(editor))
            return TargetAtCaret(content, text->toPlainText(), text->textCursor().position());
    }
    return PaneTarget(focus);
}

void ApplyWhatsThisTexts(const CommandActions& actions) {
    const HelpContent& content = HelpContent::Embedded();
    for (const CommandInfo& info : CommandTable()) {
        if (QAction* action = actions.Action(info.id))
            action->setWhatsThis(
                content.WhatsThis(QStringLiteral("command:%1").arg(static_cast<int>(info.id))));
    }
}

QString PaneWhatsThis(const QString& pane) {
    return HelpContent::Embedded().WhatsThis(QStringLiteral("pane:") + pane);
}
