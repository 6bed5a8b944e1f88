#include "app/paths.h"

#include "app/app_state.h"
#include "text/cp1252.h"

#include <algorithm>

#ifdef _WIN32
const char* DefaultRememberedPath() { return ".\\"; }
char PathSeparator() { return '\\'; }
bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
bool FileNamesAreCaseSensitive() { return false; }

std::filesystem::path NativePath(const std::string& path) { return Cp1252ToWide(path); }

bool ProgramPath(const std::filesystem::path& native, std::string& path) {
    return WideToCp1252(native.wstring(), path);
}

std::FILE* OpenNativeFile(const std::string& path, const char* mode) {
    return _wfopen(Cp1252ToWide(path).c_str(), Cp1252ToWide(mode).c_str());
}
#else
const char* DefaultRememberedPath() { return "./"; }
char PathSeparator() { return '/'; }
bool IsPathSeparator(char c) { return c == '/'; }
bool FileNamesAreCaseSensitive() { return true; }

std::filesystem::path NativePath(const std::string& path) { return path; }

bool ProgramPath(const std::filesystem::path& native, std::string& path) {
    path = native.string();
    return true;
}

std::FILE* OpenNativeFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}
#endif

std::string PathText(const char* path, int length) {
    std::string text(path, static_cast<std::size_t>(std::clamp(length, 0, PathCapacity - 1)));
    return text.substr(0, text.find('\0'));
}
