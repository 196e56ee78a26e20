#pragma once
// Reading a file or standard input whole, in pieces, and never more than a limit:
// endless input such as /dev/zero is refused instead of filling the memory.

#include <cstddef>
#include <string>

namespace vcalc {

enum class ReadProblem { None, CannotOpen, IsAFolder, TooLarge, ReadFailed };

struct BoundedRead {
    ReadProblem problem = ReadProblem::None;
    int error = 0;     // errno of CannotOpen and ReadFailed
    std::string bytes; // only without a problem
};

BoundedRead ReadFileBounded(const std::string& path, std::size_t largest);
BoundedRead ReadStandardInputBounded(std::size_t largest);

} // namespace vcalc
