// Replacing a file for --in-place and --save-memory: the new bytes arrive whole and
// the file keeps what made it that file (links, mode, owner), and nothing else is
// touched.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/safe_write.h"
#include "tests/cli/scratch_files.h"

using namespace cli_testing;
using vcalc::WriteFileSafely;
namespace fs = std::filesystem;

namespace {

struct stat StatOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeWrite, ASymbolicLinkStaysALinkAndItsTargetChanges) {
    ScratchFolder folder;
    const auto target = folder.path() / "real.vcl";
    const auto link = folder.path() / "link.vcl";
    WriteFile(target, "old");
    fs::create_symlink("real.vcl", link);
    const auto result = WriteFileSafely(link.string(), "new");
    EXPECT_TRUE(result.written) << result.problem;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(EntriesIn(folder.path()), 2u) << "no temporary file is left behind";
}

TEST(SafeWrite, ADanglingLinkCreatesItsTarget) {
    ScratchFolder folder;
    const auto link = folder.path() / "cells.vcm";
    fs::create_symlink("saved/cells.vcm", link);
    fs::create_directory(folder.path() / "saved");
    EXPECT_TRUE(WriteFileSafely(link.string(), "cells").written);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(folder.path() / "saved" / "cells.vcm"), "cells");
}

TEST(SafeWrite, ThePrivateModeAndTheOwnerAreKept) {
    ScratchFolder folder;
    const auto path = folder.path() / "private.vcl";
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    const bool canChangeOwner = ::geteuid() == 0;
    if (canChangeOwner) {
        ASSERT_EQ(::chown(path.c_str(), 12345, 23456), 0);
    }
    EXPECT_TRUE(WriteFileSafely(path.string(), "new").written);
    const struct stat after = StatOf(path);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    if (canChangeOwner) {
        EXPECT_EQ(after.st_uid, 12345u);
        EXPECT_EQ(after.st_gid, 23456u);
    }
    EXPECT_EQ(ReadFile(path), "new");
}

TEST(SafeWrite, ANewFileTakesTheUsualModeUnderTheUmask) {
    ScratchFolder folder;
    const auto path = folder.path() / "new.vcm";
    const mode_t previous = ::umask(027);
    const auto result = WriteFileSafely(path.string(), "cells");
    ::umask(previous);
    EXPECT_TRUE(result.written) << result.problem;
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
}

TEST(SafeWrite, EveryHardLinkSeesTheNewText) {
    ScratchFolder folder;
    const auto first = folder.path() / "first.vcl";
    const auto second = folder.path() / "second.vcl";
    WriteFile(first, "a much longer old text than the new one");
    fs::create_hard_link(first, second);
    const ino_t inode = StatOf(first).st_ino;
    EXPECT_TRUE(WriteFileSafely(first.string(), "new").written);
    EXPECT_EQ(ReadFile(first), "new");
    EXPECT_EQ(ReadFile(second), "new");
    EXPECT_EQ(StatOf(first).st_ino, inode);
    EXPECT_EQ(StatOf(first).st_nlink, 2u);
}

TEST(SafeWrite, AnUnwritableFolderIsReportedAndTheFileStaysAsItWas) {
    ScratchFolder scratch;
    const auto folder = scratch.path() / "locked";
    fs::create_directory(folder);
    const auto path = folder / "calc.vcl";
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    // Root writes into any folder: the write is tried as an ordinary user.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const auto result = WriteFileSafely(path.string(), "new");
        ::_exit(!result.written && result.problem == "its folder is not writable" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: could not become an ordinary user";
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(SafeWrite, APipeIsWrittenAndStaysAPipe) {
    ScratchFolder folder;
    const auto path = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const int reader = ::open(path.c_str(), O_RDWR | O_NONBLOCK); // keeps the writer from waiting
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(WriteFileSafely(path.string(), "cells").written);
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 5);
    EXPECT_EQ(std::string(received), "cells");
    ::close(reader);
    EXPECT_TRUE(S_ISFIFO(StatOf(path).st_mode));
}

TEST(SafeWrite, AFolderIsNotReplaced) {
    ScratchFolder folder;
    const auto result = WriteFileSafely(folder.path().string(), "x");
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(fs::is_directory(folder.path()));
}

} // namespace
