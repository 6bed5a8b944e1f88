#include "platform/headless/detached_process.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Only async-signal-safe calls follow a fork; everything else is prepared before.
[[noreturn]] void ExecOrReport(const char* program, char* const* argv, int reportFd) {
    const int input = ::open("/dev/null", O_RDONLY);
    if (input >= 0) {
        ::dup2(input, STDIN_FILENO);
        if (input != STDIN_FILENO) ::close(input);
    }
    ::execvp(program, argv);
    // The exec failed: tell the caller why through the pipe, whose writing end
    // the exec would otherwise have closed.
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

} // namespace

bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) return false;
    std::vector<std::string> words;
    words.reserve(arguments.size() + 1);
    words.push_back(program);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The pipe's writing end closes on a successful exec, so reading it gives
    // either nothing (started) or the exec's error.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;

    const pid_t intermediate = ::fork();
    if (intermediate < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (intermediate == 0) {
        ::close(report[0]);
        // A session of its own, so that the program does not end with the
        // caller's terminal.
        ::setsid();
        const pid_t child = ::fork();
        if (child == 0) ExecOrReport(program.c_str(), argv.data(), report[1]);
        // The program, once started, is adopted by the system and reaped there.
        ::_exit(child < 0 ? 1 : 0);
    }
    ::close(report[1]);

    int status = 0;
    while (::waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    const bool forked = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return forked && got == 0;
}
