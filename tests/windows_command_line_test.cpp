// The command line Windows hands a started program: each argument must come back
// whole from the runtime's splitting, which treats backslashes as escapes only
// before a double quote.
#include "platform/headless/windows_command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(QuoteWindowsArgument, quotesOnlyWhatTheRuntimeWouldSplitOrUnquote) {
    struct Case {
        const char* argument;
        const char* quoted;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"C:\\DATA\\DIALOG.INI", "C:\\DATA\\DIALOG.INI"},
        {"", "\"\""},
        {"with blank", "\"with blank\""},
        {"tab\there", "\"tab\there\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
        {"C:\\Data Files\\", "\"C:\\Data Files\\\\\""},
        {"\\\\server\\share dir\\\\", "\"\\\\server\\share dir\\\\\\\\\""},
        {"\"", "\"\\\"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QuoteWindowsArgument(c.argument), c.quoted) << c.argument;
    }
}

TEST(WindowsCommandLine, quotesTheProgramByItsOwnRules) {
    EXPECT_EQ(WindowsCommandLine("C:\\Program Files\\View\\view.exe", {"a b", "c"}),
              "\"C:\\Program Files\\View\\view.exe\" \"a b\" c");
    // The program's name is never escaped: a trailing backslash stays single.
    EXPECT_EQ(WindowsCommandLine("view", {}), "view");
    EXPECT_EQ(WindowsCommandLine("C:\\Tools\\view.exe", {"", "x\\"}),
              "C:\\Tools\\view.exe \"\" x\\");
}

} // namespace
