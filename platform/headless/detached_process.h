// Starting another program without waiting for it and without a shell, for the
// headless platform.
#pragma once

#include <string>
#include <vector>

// Starts `program` (a path, or a name looked up in PATH) with `arguments`, each
// passed whole as one word of its argument vector. The program runs on by
// itself: it is started from a short-lived intermediate process, which is
// waited for at once, so it is never left as a zombie of the caller, and the
// caller never waits for it. Its standard input is /dev/null; it shares the
// caller's standard output and error and working folder. True when the program
// was started (its exec succeeded).
// On Windows (windows/detached_process.cpp) it is started through the Windows
// process call with a command line that quotes each argument, with no console
// and no handle kept; true when Windows started it.
bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments);
