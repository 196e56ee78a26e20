#pragma once
// Runs vcalc as a separate process with given arguments and standard input, and
// collects its exit status and both output streams.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace cli_testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A scratch folder of its own for each test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("vcalc-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

  private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

inline Outcome RunVcalc(const std::vector<std::string>& arguments, const std::string& input = "") {
    ScratchFolder scratch;
    const auto in = scratch.path() / "in";
    const auto out = scratch.path() / "out";
    const auto err = scratch.path() / "err";
    WriteFile(in, input);
    std::string command = Quoted(VCALC_PATH);
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err);
    Outcome outcome;
    const int raw = std::system(command.c_str());
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = ReadFile(out);
    outcome.err = ReadFile(err);
    return outcome;
}

} // namespace cli_testing
