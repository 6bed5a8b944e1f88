#include "app/paths.h"

#include "app/app_state.h"

#include <algorithm>

#ifdef _WIN32
const char* DefaultRememberedPath() { return ".\\"; }
char PathSeparator() { return '\\'; }
bool FileNamesAreCaseSensitive() { return false; }
#else
const char* DefaultRememberedPath() { return "./"; }
char PathSeparator() { return '/'; }
bool FileNamesAreCaseSensitive() { return true; }
#endif

std::string PathText(const char* path, int length) {
    std::string text(path, static_cast<std::size_t>(std::clamp(length, 0, PathCapacity - 1)));
    return text.substr(0, text.find('\0'));
}
