#pragma once
// The pane tests' additions to the program tests' fixture: one fixture object per test
// function, and a calculation run as Calculate all runs it.

#include <string>

#include "app/app_test_support.h"
#include "engine/driver/calculate.h"

namespace pane_tests {

// Fresh settings, preferences and engine, scripted boxes and dialogs; the engine's log
// receiver is put back afterwards.
struct PaneFixture {
    PaneFixture() : savedReceiver(NCalculatorText::engineState.logReceiver) {}
    ~PaneFixture() { NCalculatorText::engineState.logReceiver = savedReceiver; }
    PaneFixture(const PaneFixture&) = delete;
    PaneFixture& operator=(const PaneFixture&) = delete;

    TestEnvironment environment;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    NCalculatorText::ILogReceiver* savedReceiver;
};

// Runs a text with the preferences' letter and angle unit.
inline bool CalculateAll(std::u16string text) {
    int caret = NCalculatorText::kCalculateAll;
    NCalculatorText::CalculationOptions options;
    options.imaginaryLetter = NCalculatorText::ImaginaryLetterFromPreference(preferenceStore.values.formatI);
    options.angleUnit = NCalculatorText::AngleUnitFromPreference(preferenceStore.values.trigonometricUnits);
    return NCalculatorText::Calculate(text, caret, options);
}

} // namespace pane_tests
