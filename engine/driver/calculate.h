#pragma once
// The engine's single entry point: runs a calculation text and writes "=" and each
// statement's result back behind its expression, replacing an earlier result.

#include <atomic>
#include <cstdint>
#include <string>

#include "engine/files/calculation_file.h"
#include "engine/state/engine_state.h"

namespace NCalculatorText {

// What a calculation takes from the preferences; the caller fills it.
struct CalculationOptions {
    AngleUnit angleUnit = AngleUnit::Radians; // of the trigonometric functions; default radians
    char16_t imaginaryLetter = u'i';          // of results and messages; default "i"
    // How many series terms one run may evaluate in all; 0 (the default) sets no
    // limit. Past it the series stops with "Invalid parameter". The fuzzer sets one.
    std::uint64_t seriesTermLimit = 0;
    // Polled between statements and series terms; once it is set, the run ends as if the
    // statement being calculated failed ("Calculation stopped by the user"). None by default.
    const std::atomic<bool>* stopRequest = nullptr;
};

// `length` code units of a text from `start`.
struct TextRange {
    int start = 0;
    int length = 0;
};

// The TrigonometricUnits preference: 1 degrees, 2 grads, anything else radians.
AngleUnit AngleUnitFromPreference(int trigonometricUnits) noexcept;
// The FormatI preference: 1 gives "j", anything else "i".
char16_t ImaginaryLetterFromPreference(int formatI) noexcept;

inline constexpr int kCalculateAll = -1;

// caret: kCalculateAll, or an offset whose statement alone is calculated. Returns true
// when the run ended without error. The text always comes back (results written in,
// and on failure the failing statement without its old result); the caret comes back
// just after the calculated statement's ";" (at the end of its line when an old
// result's line ended it, or at the end of the text), or unchanged after an error.
// failedStatement, when given, receives the part of the returned text that stopped a
// failed run (the statement without the white space around it, or an unclosed
// comment); an empty range after a run without error.
bool Calculate(std::u16string& text, int& caret, const CalculationOptions& options,
               TextRange* failedStatement = nullptr);

// The text of a file or of standard input, as DecodeCalculationFile left it. When its
// bytes were in no encoding the engine reads, the run fails at once and the log says so
// (with no failed statement).
bool Calculate(DecodedText& file, int& caret, const CalculationOptions& options,
               TextRange* failedStatement = nullptr);

inline constexpr std::u16string_view kUnreadableEncodingText =
    u"The file is not in an encoding the Calculator reads (UTF-8 or UTF-16)";

// Blanks every comment ("//" to the end of the line, "/*" to "*/") with spaces, so
// positions stay. False for a block comment that is never closed.
bool StripComments(std::u16string& copy);

} // namespace NCalculatorText
