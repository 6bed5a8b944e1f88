// Starting the comparison program on Windows: one command line, quoted so that
// the program's runtime splits it into the same words, started without waiting,
// without a console and with no handle kept.
#include "platform/headless/detached_process.h"

#include "platform/headless/windows_command_line.h"
#include "text/cp1252.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) return false;
    // The names are Windows-1252 text, whatever code page the system uses.
    std::wstring line = Cp1252ToWide(WindowsCommandLine(program, arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    // No application name: Windows finds the program as for a typed command (the
    // program's folder, the working folder, the system folders, then PATH, with
    // ".exe" added to a name without an extension).
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
