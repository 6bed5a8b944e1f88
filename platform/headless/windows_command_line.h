// The command line of a Windows program: Windows hands a new program one line of
// text, which the program's runtime splits into its arguments again.
#pragma once

#include <string>
#include <vector>

// One argument as the runtime of the started program reads it back whole: kept
// as it is when it has no blank, tab, line break or double quote (and is not
// empty), else put in double quotes, with each double quote escaped by a
// backslash and the backslashes before a double quote (and before the closing
// one) doubled. Backslashes elsewhere stand for themselves, as in folder names.
std::string QuoteWindowsArgument(const std::string& argument);

// The program followed by its arguments, each quoted, separated by one blank.
// The program's name is read by other rules (a backslash is never an escape
// there, and it holds no double quote): it is put in double quotes only when it
// holds a blank or a tab.
std::string WindowsCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments);
