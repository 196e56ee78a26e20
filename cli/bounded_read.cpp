#include "cli/bounded_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vcalc {

namespace {

constexpr std::size_t kPiece = 64 * 1024;

BoundedRead ReadDescriptor(int descriptor, std::size_t largest) {
    BoundedRead read;
    while (read.bytes.size() <= largest) {
        const std::size_t used = read.bytes.size();
        read.bytes.resize(used + kPiece);
        const ssize_t got = ::read(descriptor, read.bytes.data() + used, kPiece);
        if (got < 0 && errno == EINTR) {
            read.bytes.resize(used);
            continue;
        }
        if (got < 0)
            return {ReadProblem::ReadFailed, errno, {}};
        read.bytes.resize(used + static_cast<std::size_t>(got));
        if (got == 0)
            return read;
    }
    return {ReadProblem::TooLarge, 0, {}};
}

} // namespace

BoundedRead ReadFileBounded(const std::string& path, std::size_t largest) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return {errno == EISDIR ? ReadProblem::IsAFolder : ReadProblem::CannotOpen, errno, {}};
    struct stat info {};
    BoundedRead read;
    if (::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode))
        read.problem = ReadProblem::IsAFolder;
    else if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > largest)
        read.problem = ReadProblem::TooLarge;
    else
        read = ReadDescriptor(descriptor, largest);
    ::close(descriptor);
    return read;
}

BoundedRead ReadStandardInputBounded(std::size_t largest) {
    return ReadDescriptor(STDIN_FILENO, largest);
}

} // namespace vcalc
