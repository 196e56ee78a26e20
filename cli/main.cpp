// vcalc: the command-line calculator. Parses the arguments, runs the engine on each
// text in one process (memory cells and the previous result carry over), prints the
// rewritten texts to standard output and the log to standard error.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <span>

#include "cli/command_line.h"
#include "cli/file_io.h"
#include "cli/utf8.h"
#include "engine/files/calculation_file.h"
#include "engine/state/memory_store.h"
#include "engine/state/random_generators.h"

namespace {

using namespace NCalculatorText;

constexpr int kSuccess = 0;
constexpr int kCalculationFailed = 1;
constexpr int kUsageOrFileError = 2;

// The log pane's four columns, one message per line.
class StandardErrorLog final : public ILogReceiver {
  public:
    void AddMessage(const LogMessage& message) override {
        std::cerr << ++count_ << '\t' << (message.kind == 1 ? "Error" : "Warning") << '\t'
                  << vcalc::Utf16ToUtf8(message.operation) << '\t' << vcalc::Utf16ToUtf8(message.text)
                  << '\n';
    }
    void ClearMessages() override { count_ = 0; }

  private:
    int count_ = 0;
};

struct LoadedText {
    const vcalc::Input* input;
    std::u16string text;
};

int Fail(const std::string& message) {
    std::cerr << "vcalc: " << message << '\n';
    return kUsageOrFileError;
}

std::optional<std::u16string> ReadCalculationFile(const std::string& path) {
    const auto bytes = vcalc::ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return DecodeCalculationFile(*bytes);
}

int Run(const vcalc::Invocation& invocation) {
    // Everything is read before anything runs, so a missing file changes nothing.
    std::optional<std::u16string> memoryText;
    if (invocation.memoryFile) {
        memoryText = ReadCalculationFile(*invocation.memoryFile);
        if (!memoryText)
            return Fail("cannot read " + *invocation.memoryFile);
    }
    std::vector<LoadedText> texts;
    for (const vcalc::Input& input : invocation.inputs) {
        switch (input.kind) {
        case vcalc::Input::Kind::Expression:
            texts.push_back({&input, vcalc::Utf8ToUtf16(input.value)});
            break;
        case vcalc::Input::Kind::StandardInput: {
            const std::string bytes((std::istreambuf_iterator<char>(std::cin)),
                                    std::istreambuf_iterator<char>());
            texts.push_back({&input, vcalc::Utf8ToUtf16(bytes)});
            break;
        }
        case vcalc::Input::Kind::File: {
            auto text = ReadCalculationFile(input.value);
            if (!text)
                return Fail("cannot read " + input.value);
            texts.push_back({&input, std::move(*text)});
            break;
        }
        }
    }

    SeedRandom();
    StandardErrorLog log;
    engineState.logReceiver = &log;
    bool allSucceeded = true;
    bool writeFailed = false;
    if (memoryText) {
        int caret = kCalculateAll;
        allSucceeded = Calculate(*memoryText, caret, invocation.calculation);
    }
    for (LoadedText& loaded : texts) {
        int caret = invocation.caret;
        allSucceeded = Calculate(loaded.text, caret, invocation.calculation) && allSucceeded;
        std::cout << vcalc::Utf16ToUtf8(loaded.text) << '\n';
        const bool isFile = loaded.input->kind == vcalc::Input::Kind::File;
        if (invocation.inPlace && isFile &&
            !vcalc::WriteFileAtomically(loaded.input->value, EncodeCalculationFile(loaded.text))) {
            writeFailed = true;
            std::cerr << "vcalc: cannot write " << loaded.input->value << '\n';
        }
    }
    if (invocation.saveMemoryFile &&
        !vcalc::WriteFileAtomically(*invocation.saveMemoryFile,
                                    EncodeUtf16LittleEndian(WriteMemoryText(true)))) {
        writeFailed = true;
        std::cerr << "vcalc: cannot write " << *invocation.saveMemoryFile << '\n';
    }
    engineState.logReceiver = nullptr;
    std::cout.flush();
    if (writeFailed)
        return kUsageOrFileError;
    return allSucceeded ? kSuccess : kCalculationFailed;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const auto parsed =
        vcalc::ParseCommandLine(std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    if (!parsed.error.empty())
        return Fail(parsed.error + " (see vcalc --help)");
    if (parsed.invocation.help) {
        std::cout << vcalc::kUsage;
        return kSuccess;
    }
    if (parsed.invocation.version) {
        std::cout << "vcalc (Vantor Calculator) " << VANTOR_VERSION << '\n';
        return kSuccess;
    }
    return Run(parsed.invocation);
}
