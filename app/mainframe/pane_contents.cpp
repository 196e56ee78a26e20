#include "app/mainframe/pane_contents.h"

#include "app/document/calc_doc.h"
#include "app/notify/calc_notifier.h"
#include "app/panes/calc_log.h"
#include "app/panes/calc_memory.h"
#include "app/panes/calc_statistics.h"
#include "app/preferences/preferences.h"
#include "ui/keypad/calc_key_pad.h"

namespace {

KeypadPreferences CurrentKeypadPreferences() {
    const Preferences& values = preferenceStore.values;
    return {values.notation, values.gammaFunction != 0, values.formatI == 1};
}

} // namespace

PaneContents CreatePaneContents(const PaneContext& context) {
    PaneContents contents;
    CCalcNotifier& notifier = context.notifier;
    auto* keypad = new CCalcKeyPad(CurrentKeypadPreferences);
    keypad->receiver = &context.document;
    QObject::connect(&notifier, &CCalcNotifier::preferencesApplied, keypad, &CCalcKeyPad::RefreshCaptions);
    QObject::connect(&notifier, &CCalcNotifier::keypadCommand, keypad,
                     [keypad](int id) { keypad->RunLookCommand(static_cast<CommandId>(id)); });
    contents.keypad = keypad;

    auto* log = new CCalcLog;
    auto* memory = new CCalcMemory;
    auto* statistics = new CCalcStatistics;
    QObject::connect(log, &CCalcLog::popupRequested, &notifier,
                     [&notifier] { emit notifier.paneShowRequested(PaneId::Log); });
    QObject::connect(log, &CCalcLog::statementActivated, &context.document, &CCalcDoc::GoToStatement);
    QObject::connect(&notifier, &CCalcNotifier::memoryChanged, memory, &CCalcMemory::Refresh);
    QObject::connect(memory, &CCalcMemory::cellsErased, &notifier, &CCalcNotifier::memoryChanged);
    QObject::connect(memory, &CCalcMemory::statisticsComputed, statistics, &CCalcStatistics::ShowStatistics);
    QObject::connect(memory, &CCalcMemory::statisticsComputed, &notifier,
                     [&notifier] { emit notifier.paneShowRequested(PaneId::Statistics); });
    contents.log = log;
    contents.logReceiver = log;
    contents.memory = memory;
    contents.statistics = statistics;
    return contents;
}
