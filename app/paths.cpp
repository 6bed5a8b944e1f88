#include "app/paths.h"

#ifdef _WIN32
const char* DefaultRememberedPath() { return ".\\"; }
char PathSeparator() { return '\\'; }
bool FileNamesAreCaseSensitive() { return false; }
#else
const char* DefaultRememberedPath() { return "./"; }
char PathSeparator() { return '/'; }
bool FileNamesAreCaseSensitive() { return true; }
#endif
