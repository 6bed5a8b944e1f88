#include "platform/headless/windows_command_line.h"

std::string QuoteWindowsArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        return argument;
    }
    std::string quoted(1, '"');
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as escapes only before a double quote.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    // Before the closing quote they would escape it: doubled, they stand for
    // themselves (a folder's trailing backslash).
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::string WindowsCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments) {
    std::string line;
    if (program.find_first_of(" \t") != std::string::npos) {
        line += '"';
        line += program;
        line += '"';
    } else {
        line = program;
    }
    for (const std::string& argument : arguments) {
        line += ' ';
        line += QuoteWindowsArgument(argument);
    }
    return line;
}
