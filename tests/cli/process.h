#pragma once
// Runs vcalc as a separate process with given arguments and standard input, and
// collects its exit status and both output streams.

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "tests/cli/scratch_files.h"

namespace cli_testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Standard input comes from the file at inputPath (a device such as /dev/zero will do).
inline Outcome RunVcalcReading(const std::vector<std::string>& arguments,
                               const std::filesystem::path& inputPath) {
    ScratchFolder scratch;
    const auto out = scratch.path() / "out";
    const auto err = scratch.path() / "err";
    std::string command = Quoted(VCALC_PATH);
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " <" + Quoted(inputPath) + " >" + Quoted(out) + " 2>" + Quoted(err);
    Outcome outcome;
    const int raw = std::system(command.c_str());
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadFile(out);
    outcome.err = ReadFile(err);
    return outcome;
}

inline Outcome RunVcalc(const std::vector<std::string>& arguments, const std::string& input = "") {
    ScratchFolder scratch;
    const auto in = scratch.path() / "in";
    WriteFile(in, input);
    return RunVcalcReading(arguments, in);
}

} // namespace cli_testing
