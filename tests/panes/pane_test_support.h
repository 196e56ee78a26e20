#pragma once
// What every pane test needs: settings in a temporary directory, default preferences,
// an empty memory store, and scripted answers for message boxes and file dialogs
// (an unexpected box is recorded, never shown).

#include <deque>
#include <string>

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "app/preferences/preferences.h"
#include "engine/driver/calculate.h"
#include "engine/state/engine_state.h"
#include "engine/state/memory_store.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/message_box.h"

namespace pane_tests {

class PaneTestEnvironment {
public:
    PaneTestEnvironment() {
        QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));
        QCoreApplication::setApplicationName(QStringLiteral("Calculator"));
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        preferenceStore = PreferenceStore{};
        NCalculatorText::memoryStore = NCalculatorText::MemoryStore{};
        savedReceiver_ = NCalculatorText::engineState.logReceiver;
        previousBox_ = SetMessageBoxAnswerer([this](const QString& text, unsigned type) {
            shownMessages.append(text);
            shownTypes.push_back(type);
            if (answers.empty())
                return static_cast<int>(IdCancel);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
        previousDialog_ = CCalcFileDialog::SetAnswerer([this](const FileDialogRequest& request) {
            dialogRequests.push_back(request);
            return chosenPath;
        });
    }

    ~PaneTestEnvironment() {
        SetMessageBoxAnswerer(previousBox_);
        CCalcFileDialog::SetAnswerer(previousDialog_);
        NCalculatorText::engineState.logReceiver = savedReceiver_;
    }

    PaneTestEnvironment(const PaneTestEnvironment&) = delete;
    PaneTestEnvironment& operator=(const PaneTestEnvironment&) = delete;

    QString SettingsDirectory() const { return settingsDir_.path(); }

    std::deque<int> answers;      // message box results, in order; none left gives IdCancel
    QStringList shownMessages;    // every message box text, in order
    std::vector<unsigned> shownTypes;
    QString chosenPath;           // what the file dialog answers; empty is Cancel
    std::vector<FileDialogRequest> dialogRequests;

private:
    QTemporaryDir settingsDir_;
    NCalculatorText::ILogReceiver* savedReceiver_ = nullptr;
    MessageBoxAnswerer previousBox_;
    CCalcFileDialog::Answerer previousDialog_;
};

// Runs a text as Calculate all does, with the preferences' letter and angle unit.
inline bool CalculateAll(std::u16string text) {
    int caret = NCalculatorText::kCalculateAll;
    NCalculatorText::CalculationOptions options;
    options.imaginaryLetter = NCalculatorText::ImaginaryLetterFromPreference(preferenceStore.values.formatI);
    return NCalculatorText::Calculate(text, caret, options);
}

} // namespace pane_tests
