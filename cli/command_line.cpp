#include "cli/command_line.h"

#include <charconv>
#include <string_view>

namespace vcalc {

const char* const kUsage =
    "Usage: vcalc [OPTIONS] [FILE...]\n"
    "Calculates every statement of a calculation text and prints the text with \"=\" and\n"
    "each result written behind its expression. FILEs are calculation files (UTF-16 or\n"
    "UTF-8); with neither FILE nor -e the text is read from standard input as UTF-8.\n"
    "\n"
    "  -e, --expr TEXT          calculate TEXT\n"
    "      --angle rad|deg|grad unit of the trigonometric functions (default rad)\n"
    "      --imaginary i|j      letter of the imaginary unit in results (default i)\n"
    "      --caret N            calculate only the statement holding UTF-16 offset N\n"
    "      --memory FILE        run a memory file first, as Load memory\n"
    "      --save-memory FILE   write every memory cell afterwards as a memory file\n"
    "      --in-place           write each FILE's rewritten text back to it\n"
    "      --help               show this help\n"
    "      --version            show the version\n"
    "\n"
    "Standard error lists every log message: N, Error or Warning, context, description,\n"
    "separated by tabs; past 10,000 messages in a run, one last line counts the rest.\n"
    "Files and standard input larger than 16 MB are refused. Exit status: 0 success,\n"
    "1 a calculation stopped on an error, 2 bad usage or a file that cannot be read or\n"
    "written.\n"
    "\n"
    "The language, every function and every message of the log: man vcalc\n";

namespace {

using NCalculatorText::AngleUnit;

std::optional<AngleUnit> ParseAngle(std::string_view value) {
    if (value == "rad")
        return AngleUnit::Radians;
    if (value == "deg")
        return AngleUnit::Degrees;
    if (value == "grad")
        return AngleUnit::Grads;
    return std::nullopt;
}

std::optional<int> ParseCaret(std::string_view value) {
    int caret = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), caret);
    if (error != std::errc() || end != value.data() + value.size() || caret < 0)
        return std::nullopt;
    return caret;
}

// Splits "--name=value" so that both "--name value" and "--name=value" work.
struct Argument {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

Argument SplitArgument(std::string_view argument) {
    const std::size_t equals = argument.find('=');
    if (!argument.starts_with("--") || equals == std::string_view::npos)
        return {argument, std::nullopt};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

} // namespace

ParsedCommandLine ParseCommandLine(std::span<const char* const> args) {
    ParsedCommandLine parsed;
    Invocation& invocation = parsed.invocation;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view argument = args[i];
        if (argument == "-" && !optionsEnded) {
            invocation.inputs.push_back({Input::Kind::StandardInput, {}});
            continue;
        }
        if (optionsEnded || argument.empty() || argument[0] != '-') {
            invocation.inputs.push_back({Input::Kind::File, std::string(argument)});
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const Argument split = SplitArgument(argument);
        auto value = [&]() -> std::optional<std::string_view> {
            if (split.inlineValue)
                return split.inlineValue;
            if (i + 1 < args.size())
                return std::string_view(args[++i]);
            return std::nullopt;
        };
        auto fail = [&](std::string message) {
            parsed.error = std::move(message);
            return parsed;
        };

        if (split.name == "--help" || split.name == "-h") {
            invocation.help = true;
        } else if (split.name == "--version") {
            invocation.version = true;
        } else if (split.name == "--in-place") {
            invocation.inPlace = true;
        } else if (split.name == "-e" || split.name == "--expr") {
            const auto text = value();
            if (!text)
                return fail(std::string(split.name) + " needs a text");
            invocation.inputs.push_back({Input::Kind::Expression, std::string(*text)});
        } else if (split.name == "--angle") {
            const auto text = value();
            const auto angle = text ? ParseAngle(*text) : std::nullopt;
            if (!angle)
                return fail("--angle takes rad, deg or grad");
            invocation.calculation.angleUnit = *angle;
        } else if (split.name == "--imaginary") {
            const auto text = value();
            if (!text || (*text != "i" && *text != "j"))
                return fail("--imaginary takes i or j");
            invocation.calculation.imaginaryLetter = (*text)[0] == 'j' ? u'j' : u'i';
        } else if (split.name == "--caret") {
            const auto text = value();
            const auto caret = text ? ParseCaret(*text) : std::nullopt;
            if (!caret)
                return fail("--caret takes an offset of 0 or more");
            invocation.caret = *caret;
        } else if (split.name == "--memory" || split.name == "--save-memory") {
            const auto path = value();
            if (!path || path->empty())
                return fail(std::string(split.name) + " needs a file");
            (split.name == "--memory" ? invocation.memoryFile : invocation.saveMemoryFile) =
                std::string(*path);
        } else {
            return fail("unknown option " + std::string(argument));
        }
    }

    bool hasFile = false;
    for (const Input& input : invocation.inputs)
        hasFile = hasFile || input.kind == Input::Kind::File;
    if (invocation.inPlace && !hasFile) {
        parsed.error = "--in-place needs at least one FILE";
        return parsed;
    }
    if (invocation.inputs.empty())
        invocation.inputs.push_back({Input::Kind::StandardInput, {}});
    return parsed;
}

} // namespace vcalc
