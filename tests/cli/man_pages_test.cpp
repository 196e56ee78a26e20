// The manual pages rendered from the help: groff reads them without a warning, and
// they carry the options, the language and the messages.

#include <gtest/gtest.h>

#include "tests/cli/process.h"

namespace {

struct Rendered {
    int status;
    std::string text;
    std::string warnings;
};

Rendered RenderManPage(const std::string& name) {
    cli_testing::ScratchFolder scratch;
    const auto out = scratch.path() / "out";
    const auto err = scratch.path() / "err";
    const std::string page = std::string(VANTOR_HELP_OUTPUT) + "/" + name;
    const std::string command = "groff -man -Tutf8 -ww -rLL=100n " + cli_testing::Quoted(page) + " >" +
                                cli_testing::Quoted(out.string()) + " 2>" + cli_testing::Quoted(err.string());
    const int raw = std::system(command.c_str());
    // groff marks bold by overstriking; the words are compared without it.
    std::string text;
    for (char c : cli_testing::ReadFile(out)) {
        if (c == '\b' && !text.empty())
            text.pop_back();
        else
            text += c;
    }
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text, cli_testing::ReadFile(err)};
}

TEST(ManPages, VcalcHasItsOptionsTheLanguageAndTheMessages) {
    const Rendered page = RenderManPage("vcalc.1");
    EXPECT_EQ(page.status, 0);
    EXPECT_EQ(page.warnings, "");
    for (const char* expected :
         {"vcalc - calculate", "SYNOPSIS", "--angle rad|deg|grad", "Use ** for powers: 2**10",
          "Operation has singularity at 0", "BesselJ", "Exit status", "vantor-calculator(1)"})
        EXPECT_NE(page.text.find(expected), std::string::npos) << expected;
}

TEST(ManPages, TheDesktopProgramHasItsKeysAndFiles) {
    const Rendered page = RenderManPage("vantor-calculator.1");
    EXPECT_EQ(page.status, 0);
    EXPECT_EQ(page.warnings, "");
    for (const char* expected :
         {"vantor-calculator /p FILE", "Ctrl+Shift+=", "Calculator.conf", "THE KEYPAD", "vcalc(1)"})
        EXPECT_NE(page.text.find(expected), std::string::npos) << expected;
}

} // namespace
