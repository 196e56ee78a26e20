#pragma once
// The process-wide preferences: one table of name, default and valid values drives
// loading, checking and saving.

#include <array>
#include <cstdint>

class QSettings;

enum class Notation : std::int32_t { West = 0, East = 1 };

struct Preferences {
    std::int32_t notation = 0;           // 0 West, 1 East function names on the keypad
    std::int32_t formatI = 0;            // 0 letter "i", 1 letter "j"
    std::int32_t gammaFunction = 0;      // non-zero: the keypad's factorial key gives Gamma
    std::int32_t logPopup = 1;           // non-zero: a new log message shows the hidden log
    std::int32_t trigonometricUnits = 0; // 0 radians, 1 degrees, 2 grads
    std::int32_t freeConfirmation = 0;   // non-zero: ask before erasing memory cells
    std::int32_t clearConfirmation = 0;  // non-zero: ask before clearing the text
    std::int32_t useSSE2 = 0;            // kept and written back; no switch on this platform
    std::int32_t syntaxHighlighting = 1; // non-zero: the editor colours the calculation text
    std::int32_t fontSize = 15;          // editor font, points, 8..72

    bool operator==(const Preferences&) const = default;
};

struct PreferenceField {
    const char* name;
    std::int32_t Preferences::*member;
    std::int32_t defaultValue;
    std::uint32_t largestValid; // compared as unsigned; kAnyValue takes every number
};

inline constexpr std::uint32_t kAnyValue = 0xFFFFFFFFu;
inline constexpr int kSmallestFontSize = 8;
inline constexpr int kLargestFontSize = 72;

// The values of the "Preferences" section, in their stored order.
extern const std::array<PreferenceField, 9> kPreferenceFields;

struct PreferenceStore {
    Preferences values;
    bool changed = false;       // set by every change; nothing is written at exit without it
    bool sse2Available = false; // the mathematical runtime here has no SSE2 switch
};

// The program's one copy of the current preferences: the panes, the editor and the
// calculations read them here.
extern PreferenceStore preferenceStore;

int ClampFontSize(long long size);

// A missing, mistyped or out-of-range value silently gives its default.
Preferences LoadPreferences(QSettings& settings);
// Writes the "Preferences" values and then "GUI/Editor/FontSize".
void WritePreferences(QSettings& settings, const Preferences& values);
// Writes only when something changed since start-up.
void SavePreferences(QSettings& settings, const PreferenceStore& store);

// Whether the runtime uses SSE2 now: never on this platform, but kept as the one rule.
bool UsesSSE2(const PreferenceStore& store);
