#include "app/paths.h"

#include "app/app_state.h"
#include "text/cp1252.h"

#include <algorithm>

#ifdef _WIN32
const char* DefaultRememberedPath() { return ".\\"; }
char PathSeparator() { return '\\'; }
bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
bool FileNamesAreCaseSensitive() { return false; }
bool HasDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

std::filesystem::path NativePath(const std::string& path) { return Cp1252ToWide(path); }

bool NamesADevice(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1]) && path[start - 1] != ':')
        --start;
    std::string base = path.substr(start, path.find('.', start) - start);
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

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
bool HasDrive(const std::string&) { return false; }

std::filesystem::path NativePath(const std::string& path) { return path; }

bool NamesADevice(const std::string&) { return false; }

bool ProgramPath(const std::filesystem::path& native, std::string& path) {
    path = native.string();
    return true;
}

std::FILE* OpenNativeFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}
#endif

std::size_t NameStart(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1]))
        --start;
    if (start == 0 && HasDrive(path)) start = 2;
    return start;
}

std::string FolderOf(const std::string& path) {
    const std::size_t start = NameStart(path);
    if (start == 0) return ".";
    const bool drive = HasDrive(path);
    // A root (/, \, C:\ or C:/) and a drive alone name the folder themselves.
    if (start == 1 || (drive && start <= 3)) return path.substr(0, start);
    return path.substr(0, start - 1);
}

std::string PathText(const char* path, int length) {
    std::string text(path, static_cast<std::size_t>(std::clamp(length, 0, PathCapacity - 1)));
    return text.substr(0, text.find('\0'));
}
