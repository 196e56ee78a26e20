// vcalc: the command-line calculator. Parses the arguments, runs the engine on each
// text in one process (memory cells and the previous result carry over), prints the
// rewritten texts to standard output and the log to standard error.

#include <cstring>
#include <iostream>
#include <optional>
#include <span>

#include "cli/bounded_read.h"
#include "cli/command_line.h"
#include "cli/safe_write.h"
#include "engine/files/calculation_file.h"
#include "engine/files/utf8.h"
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
                  << Utf16ToUtf8(message.operation) << '\t' << Utf16ToUtf8(message.text) << '\n';
    }
    void ClearMessages() override { count_ = 0; }

  private:
    int count_ = 0;
};

struct LoadedText {
    const vcalc::Input* input;
    DecodedText decoded;
};

int Fail(const std::string& message) {
    std::cerr << "vcalc: " << message << '\n';
    return kUsageOrFileError;
}

std::string ReadProblemText(const vcalc::BoundedRead& read, std::string_view whatIsLarge) {
    switch (read.problem) {
    case vcalc::ReadProblem::IsAFolder:
        return "it is a folder";
    case vcalc::ReadProblem::TooLarge:
        return std::string(whatIsLarge) + " is larger than " +
               std::to_string(kLargestCalculationFile / (1024 * 1024)) + " MB";
    default:
        return std::strerror(read.error);
    }
}

// A file or standard input as the calculation will see it, or a message on standard
// error and nothing.
std::optional<DecodedText> ReadInput(const std::string* path) {
    const vcalc::BoundedRead read = path != nullptr
                                        ? vcalc::ReadFileBounded(*path, kLargestCalculationFile)
                                        : vcalc::ReadStandardInputBounded(kLargestCalculationFile);
    if (read.problem != vcalc::ReadProblem::None) {
        Fail("cannot read " + (path != nullptr ? *path : std::string("standard input")) + ": " +
             ReadProblemText(read, path != nullptr ? "the file" : "the text"));
        return std::nullopt;
    }
    return DecodeCalculationFile(read.bytes, path != nullptr ? UnmarkedBytes::Detect : UnmarkedBytes::Utf8);
}

int Run(const vcalc::Invocation& invocation) {
    // Everything is read before anything runs, so a missing file changes nothing.
    std::optional<DecodedText> memoryText;
    if (invocation.memoryFile) {
        memoryText = ReadInput(&*invocation.memoryFile);
        if (!memoryText)
            return kUsageOrFileError;
    }
    std::vector<LoadedText> texts;
    for (const vcalc::Input& input : invocation.inputs) {
        std::optional<DecodedText> decoded;
        switch (input.kind) {
        case vcalc::Input::Kind::Expression:
            decoded = DecodedText{TextEncoding::Utf8, Utf8ToUtf16(input.value)};
            break;
        case vcalc::Input::Kind::StandardInput:
            decoded = ReadInput(nullptr);
            break;
        case vcalc::Input::Kind::File:
            decoded = ReadInput(&input.value);
            break;
        }
        if (!decoded)
            return kUsageOrFileError;
        texts.push_back({&input, std::move(*decoded)});
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
    auto write = [&](const std::string& path, const std::string& bytes) {
        const vcalc::WriteResult written = vcalc::WriteFileSafely(path, bytes);
        if (!written.written) {
            writeFailed = true;
            Fail("cannot write " + path + ": " + written.problem);
        }
    };
    for (LoadedText& loaded : texts) {
        int caret = invocation.caret;
        allSucceeded = Calculate(loaded.decoded, caret, invocation.calculation) && allSucceeded;
        if (loaded.decoded.encoding == TextEncoding::Unreadable)
            continue; // no text to print or to write back
        std::cout << Utf16ToUtf8(loaded.decoded.text) << '\n';
        if (invocation.inPlace && loaded.input->kind == vcalc::Input::Kind::File)
            write(loaded.input->value, EncodeCalculationFile(loaded.decoded.text));
    }
    if (invocation.saveMemoryFile)
        write(*invocation.saveMemoryFile, EncodeUtf16LittleEndian(WriteMemoryText(true)));
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
