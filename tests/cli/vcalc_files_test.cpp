// What vcalc reads and writes: the encodings of files and standard input, the size
// limit, and files replaced by --in-place without harm.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/files/calculation_file.h"
#include "tests/cli/process.h"

using namespace cli_testing;
using NCalculatorText::EncodeCalculationFile;
namespace fs = std::filesystem;

namespace {

const std::string kUnreadable =
    "1\tError\tNone\tThe file is not in an encoding the Calculator reads (UTF-8 or UTF-16)\n";
constexpr std::size_t kLimit = 16 * 1024 * 1024;

struct FileRow {
    const char* name;
    std::string bytes;
    int status;
    std::string out;
    std::string err;
};

TEST(Encodings, FilesFromOtherEditors) {
    const FileRow rows[] = {
        {"utf8_with_mark",
         "\xEF\xBB\xBF"
         "2+3; // \xC2\xB2",
         0, "2+3=5; // \xC2\xB2\n", ""},
        {"utf8_without_mark", "\xCF\x80*2", 0, "\xCF\x80*2=6.2831853071796\n", ""},
        {"utf16_big_endian",
         std::string("\xFE\xFF\0"
                     "2\0+\0"
                     "3",
                     8),
         0, "2+3=5\n", ""},
        {"latin1_is_reported_not_run", "2+3; // caf\xE9", 1, "", kUnreadable},
    };
    for (const FileRow& row : rows) {
        ScratchFolder folder;
        const auto path = folder.path() / "in.vcl";
        WriteFile(path, row.bytes);
        const auto run = RunVcalc({path.string()});
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

TEST(Encodings, StandardInput) {
    const FileRow rows[] = {
        {"utf8_mark_stripped",
         "\xEF\xBB\xBF"
         "2+3;",
         0, "2+3=5;\n", ""},
        {"nul_ends_the_text",
         std::string("2+3;\0"
                     "1/0",
                     8),
         0, "2+3=5;\n", ""},
        {"utf16_with_mark", EncodeCalculationFile(u"6*7"), 0, "6*7=42\n", ""},
        {"invalid_utf8_is_reported", "1+\xFF", 1, "", kUnreadable},
    };
    for (const FileRow& row : rows) {
        const auto run = RunVcalc({}, row.bytes);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

TEST(Encodings, AnUnreadableFileIsNotWrittenBack) {
    ScratchFolder folder;
    const auto good = folder.path() / "good.vcl";
    const auto latin1 = folder.path() / "latin1.vcl";
    WriteFile(good, EncodeCalculationFile(u"1+1"));
    WriteFile(latin1, "1+1; // \xE9");
    const auto run = RunVcalc({"--in-place", latin1.string(), good.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1+1=2\n");
    EXPECT_EQ(ReadFile(latin1), "1+1; // \xE9");
    EXPECT_EQ(ReadFile(good), EncodeCalculationFile(u"1+1=2"));
}

void MakeSparseFile(const fs::path& path, std::size_t size) {
    WriteFile(path, "");
    fs::resize_file(path, size);
}

TEST(Limits, AFileUpTo16MBIsRead) {
    ScratchFolder folder;
    const auto path = folder.path() / "limit.vcl";
    MakeSparseFile(path, kLimit); // zeros: an empty UTF-16 text
    const auto run = RunVcalc({path.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\n");
}

TEST(Limits, ALargerFileIsRefusedAndNothingIsWritten) {
    ScratchFolder folder;
    const auto good = folder.path() / "good.vcl";
    const auto huge = folder.path() / "huge.vcl";
    WriteFile(good, EncodeCalculationFile(u"1+1"));
    MakeSparseFile(huge, kLimit + 1);
    const auto run = RunVcalc({"--in-place", good.string(), huge.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vcalc: cannot read " + huge.string() + ": the file is larger than 16 MB\n");
    EXPECT_EQ(ReadFile(good), EncodeCalculationFile(u"1+1"));
}

TEST(Limits, EndlessInputIsRefused) {
    const auto file = RunVcalc({"/dev/zero"});
    EXPECT_EQ(file.status, 2);
    EXPECT_EQ(file.err, "vcalc: cannot read /dev/zero: the file is larger than 16 MB\n");
    const auto input = RunVcalcReading({}, "/dev/zero");
    EXPECT_EQ(input.status, 2);
    EXPECT_EQ(input.out, "");
    EXPECT_EQ(input.err, "vcalc: cannot read standard input: the text is larger than 16 MB\n");
}

TEST(Limits, StandardInputPastTheLimitIsRefused) {
    ScratchFolder folder;
    const auto path = folder.path() / "input";
    MakeSparseFile(path, kLimit);
    EXPECT_EQ(RunVcalcReading({}, path).status, 0);
    MakeSparseFile(path, kLimit + 1);
    EXPECT_EQ(RunVcalcReading({}, path).status, 2);
}

TEST(InPlace, ALinkPlantedAtTheOldTemporaryNameIsNotFollowed) {
    ScratchFolder folder;
    const auto path = folder.path() / "t.vcl";
    const auto victim = folder.path() / "victim";
    WriteFile(path, EncodeCalculationFile(u"2+2"));
    WriteFile(victim, "precious");
    fs::create_symlink(victim, folder.path() / "t.vcl.vcalc-tmp");
    const auto run = RunVcalc({"--in-place", path.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(victim), "precious");
    EXPECT_EQ(ReadFile(path), EncodeCalculationFile(u"2+2=4"));
}

TEST(InPlace, ThroughASymbolicLinkKeepingTheTargetsMode) {
    ScratchFolder folder;
    const auto target = folder.path() / "real.vcl";
    const auto link = folder.path() / "link.vcl";
    WriteFile(target, EncodeCalculationFile(u"3*3"));
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    fs::create_symlink(target, link);
    const auto run = RunVcalc({"--in-place", link.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), EncodeCalculationFile(u"3*3=9"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
