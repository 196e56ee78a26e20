// libFuzzer target for the calculation driver: any bytes, read as a calculation file,
// calculated all at once or at a caret, in any angle unit and letter.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/driver/calculate.h"
#include "engine/files/calculation_file.h"
#include "engine/state/memory_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace NCalculatorText;
    if (size < 2)
        return 0;
    // The first two bytes choose the options and the caret; the rest is the file.
    CalculationOptions options;
    options.angleUnit = AngleUnitFromPreference(data[0] & 3);
    options.imaginaryLetter = ImaginaryLetterFromPreference((data[0] >> 2) & 1);
    options.seriesTermLimit = 100000; // long but finite series would only slow the search
    const bool atCaret = (data[0] & 0x10) != 0;
    DecodedText file =
        DecodeCalculationFile(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));
    int caret =
        atCaret ? static_cast<int>(data[1]) * static_cast<int>(file.text.size() + 1) / 256 : kCalculateAll;
    Calculate(file, caret, options);
    // Stored cells would otherwise pile up from one input to the next.
    if (memoryStore.cells.size() > 1000)
        ClearMemory(true);
    return 0;
}
