#include "run_program.h"

#include <random>
#include <system_error>

#ifdef _WIN32
#include "platform/headless/windows_command_line.h"
#include "text/cp1252.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#ifdef _WIN32
namespace {

HANDLE OpenForChild(const std::filesystem::path& file) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(file.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int RunProgram(const std::filesystem::path& directory, const std::string& program,
               const std::vector<std::string>& arguments, const std::filesystem::path& out,
               const std::filesystem::path& err) {
    std::wstring line = Cp1252ToWide(WindowsCommandLine(program, arguments));
    const HANDLE outHandle = OpenForChild(out);
    const HANDLE errHandle = OpenForChild(err);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = INVALID_HANDLE_VALUE;
    startup.hStdOutput = outHandle;
    startup.hStdError = errHandle;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        directory.wstring().c_str(), &startup, &process);
    CloseHandle(outHandle);
    CloseHandle(errHandle);
    if (!started) return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    const bool exited = GetExitCodeProcess(process.hProcess, &status) != 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exited ? static_cast<int>(status) : -1;
}
#else
int RunProgram(const std::filesystem::path& directory, const std::string& program,
               const std::vector<std::string>& arguments, const std::filesystem::path& out,
               const std::filesystem::path& err) {
    std::vector<std::string> words = arguments;
    words.insert(words.begin(), program);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string folder = directory.string();
    const std::string outName = out.string();
    const std::string errName = err.string();
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        const int outFd = ::open(outName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFd = ::open(errName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (outFd < 0 || errFd < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

std::filesystem::path MakeScratchFolder(const std::string& prefix) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                             (prefix + std::to_string(random() % 1000000000));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) return folder;
        if (error)
            throw std::filesystem::filesystem_error("cannot make a scratch folder", folder, error);
    }
}
