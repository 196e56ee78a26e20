// The contract of vcalc that other programs rely on: inputs, options, output streams,
// files and exit statuses.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/files/calculation_file.h"
#include "tests/cli/process.h"

using namespace cli_testing;
using NCalculatorText::DecodeCalculationFile;
using NCalculatorText::EncodeCalculationFile;

namespace {

const std::string kMinus = "\xE2\x88\x92"; // U+2212 in UTF-8

TEST(Inputs, ExpressionsAreCalculatedAndPrintedWithALineFeed) {
    const auto run = RunVcalc({"-e", "1+1; 2*3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1+1=2; 2*3=6\n");
    EXPECT_EQ(run.err, "");
}

TEST(Inputs, StandardInputIsReadAsUtf8) {
    const auto run = RunVcalc({}, "\xCF\x80*2 // \xCF\x80 is pi\n"); // "π*2 // π is pi"
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\xCF\x80*2=6.2831853071796 // \xCF\x80 is pi\n\n");
}

TEST(Inputs, FilesShareMemoryAndThePreviousResult) {
    ScratchFolder folder;
    const auto first = folder.path() / "first.vcl";
    const auto second = folder.path() / "second.vcl";
    WriteFile(first, EncodeCalculationFile(u"6*7->mem[x];\r\n"));
    WriteFile(second, EncodeCalculationFile(u"mem[x]+rslt"));
    const auto run = RunVcalc({first.string(), second.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "6*7->mem[x]=42;\r\n\nmem[x]+rslt=84\n");
}

TEST(Inputs, FilesFollowTheCalculationFileRules) {
    ScratchFolder folder;
    const auto path = folder.path() / "odd.vcl";
    // Byte order mark, a mark in the middle, text after U+0000 and an odd last byte.
    WriteFile(path, std::string("\xFF\xFE"
                                "1\0"
                                "+\0"
                                "\xFF\xFE"
                                "2\0"
                                "\0\0"
                                "9\0"
                                "x",
                                15));
    const auto run = RunVcalc({path.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1+2=3\n");
}

TEST(Options, AngleUnitAndImaginaryLetter) {
    EXPECT_EQ(RunVcalc({"--imaginary", "j", "-e", "1-2*i"}).out, "1-2*i=1" + kMinus + "j*2\n");
    EXPECT_EQ(RunVcalc({"--imaginary=i", "-e", "j"}).out, "j=i\n");
    EXPECT_EQ(RunVcalc({"--angle", "grad", "-e", "1"}).status, 0);
    EXPECT_EQ(RunVcalc({"--angle=deg", "-e", "1"}).status, 0);
}

TEST(Options, CaretCalculatesOneStatement) {
    const auto run = RunVcalc({"--caret", "6", "-e", "1+1; 2+2; 3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1+1; 2+2=4; 3\n");
    // Just behind a ";" with only a comment after it, the caret is that statement's.
    EXPECT_EQ(RunVcalc({"--caret", "10", "-e", "1+1; 2+2; // four"}).out, "1+1; 2+2=4; // four\n");
}

TEST(Options, MemoryFileIsRunFirstAndCellsAreSavedAfter) {
    ScratchFolder folder;
    const auto load = folder.path() / "in.vcm";
    const auto save = folder.path() / "out.vcm";
    WriteFile(load, NCalculatorText::EncodeUtf16LittleEndian(u"\uFEFF2.5->mem[a];\r\n"));
    const auto run =
        RunVcalc({"--memory", load.string(), "--save-memory", save.string(), "-e", "mem[a]*2->mem[b]"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "mem[a]*2->mem[b]=5\n");
    EXPECT_EQ(DecodeCalculationFile(ReadFile(save)).text, u"2.5->mem[a];\r\n5->mem[b];\r\n");
    EXPECT_EQ(ReadFile(save).substr(0, 2), "\xFF\xFE");
}

TEST(Options, InPlaceRewritesEachFile) {
    ScratchFolder folder;
    const auto path = folder.path() / "calc.vcl";
    WriteFile(path, EncodeCalculationFile(u"2+3 = 7;\r\n2-5"));
    const auto run = RunVcalc({"--in-place", path.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(path), EncodeCalculationFile(u"2+3 = 5;\r\n2-5=\u22123"));
}

TEST(Log, EveryMessageOnALineWithFourTabSeparatedColumns) {
    const auto run = RunVcalc({"-e", "mem[nothing]; k; 1/0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "mem[nothing]=0; k=0; 1/0\n");
    EXPECT_EQ(run.err, "1\tWarning\tMemory\tUninitialized memory used, value forced to 0\n"
                       "2\tWarning\tIndex\tUninitialized memory used, value forced to 0\n"
                       "3\tError\tDivision\tOperation has singularity at 0\n");
}

TEST(Log, NumberingStartsAgainForEachRun) {
    const auto run = RunVcalc({"-e", "k", "-e", "j+k"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "1\tWarning\tIndex\tUninitialized memory used, value forced to 0\n"
                       "1\tWarning\tIndex\tUninitialized memory used, value forced to 0\n");
}

TEST(Log, PastTenThousandMessagesOneLineCountsTheRest) {
    const auto flood = RunVcalc({"-e", "Sum(k, 1, 10003, mem[never])"});
    EXPECT_EQ(flood.status, 0);
    EXPECT_EQ(std::count(flood.err.begin(), flood.err.end(), '\n'), 10001);
    EXPECT_TRUE(flood.err.ends_with("\n10000\tWarning\tMemory\tUninitialized memory used, value forced to 0\n"
                                    "10001\tWarning\tNone\t\u2026 and 3 more messages\n"))
        << flood.err.substr(flood.err.size() - 200);
    const auto stopped = RunVcalc({"-e", "Sum(k, 1, 10003, mem[never]); 1/0"});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_TRUE(stopped.err.ends_with("\n10001\tError\tDivision\tOperation has singularity at 0\n"
                                      "10002\tWarning\tNone\t\u2026 and 3 more messages\n"));
}

TEST(ExitStatus, OneWhenAnyRunStoppedOnAnError) {
    const auto run = RunVcalc({"-e", "1/0", "-e", "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1/0\n2=2\n");
}

TEST(ExitStatus, TwoForBadUsageWithOneLine) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--angle", "turns", "-e", "1"},
                                                      {"--frobnicate"},
                                                      {"-e"},
                                                      {"--caret", "x", "-e", "1"},
                                                      {"--caret", "-3", "-e", "1"},
                                                      {"--imaginary", "k"},
                                                      {"--in-place", "-e", "1"},
                                                      {"--memory"}}) {
        const auto run = RunVcalc(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.err.starts_with("vcalc: ")) << run.err;
    }
}

TEST(ExitStatus, TwoForAFileThatCannotBeReadAndNothingRuns) {
    ScratchFolder folder;
    const auto good = folder.path() / "good.vcl";
    WriteFile(good, EncodeCalculationFile(u"1+1"));
    const auto run = RunVcalc({"--in-place", good.string(), (folder.path() / "missing.vcl").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(good), EncodeCalculationFile(u"1+1")) << "nothing is written when an input is missing";
    EXPECT_EQ(RunVcalc({folder.path().string()}).status, 2) << "a folder is not a file";
}

TEST(ExitStatus, TwoForAFileThatCannotBeWritten) {
    ScratchFolder folder;
    const auto run =
        RunVcalc({"--save-memory", (folder.path() / "no" / "such" / "dir.vcm").string(), "-e", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "1=1\n");
    EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

TEST(Information, HelpAndVersion) {
    const auto help = RunVcalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: vcalc [OPTIONS] [FILE...]"));
    EXPECT_NE(help.out.find("man vcalc"), std::string::npos);
    const auto version = RunVcalc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("vcalc (Vantor Calculator) "));
}

} // namespace
