#pragma once
// Scratch folders and whole-file reads and writes for the command-line tests.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace cli_testing {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
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

} // namespace cli_testing
