#include "documents/basis.h"

#include "app/app_state.h"
#include "app/paths.h"
#include "platform/platform.h"
#include "resources/messages.h"
#include "text/Klegro.h"

#include <algorithm>
#include <cstring>
#include <string>

const char* const FileFilterList[2 * FileFilterCount] = {
    "INI-Dateien (*.ini)",
    "*.ini",
    "Maskendateien (*.msk)",
    "*.msk",
    // In parentheses: one text written in two pieces, not two texts.
    ("Men\xFC"
     "dateien (*.mnu)"),
    "*.mnu",
    "Alle Dateien (*.*)",
    "*.*",
};

namespace {

// A length that can index a path buffer: never beyond its last byte.
int UsableLength(std::int32_t length) { return std::min<std::int32_t>(length, PathCapacity - 1); }

FileDialogRequest MakeRequest(const char* title, int titleLength) {
    FileDialogRequest request;
    request.title.assign(title, static_cast<std::size_t>(std::max(titleLength, 0)));
    request.filters = FileFilterList;
    request.filterCount = FileFilterCount;
    request.filterIndex = InitialFilterIndex;
    request.pathMustExist = true;
    return request;
}

// The chosen path up to a NUL it may hold, as the path buffer would end it.
std::string UpToNul(const std::string& text) { return text.substr(0, text.find('\0')); }

// A path that does not fit the path buffer with its NUL would have to be cut and
// would then name another file; it is refused instead.
bool FitsPathBuffer(const std::string& chosen, bool* pathTooLong) {
    if (static_cast<int>(chosen.size()) < PathCapacity) return true;
    ShowMessage(MessageId::ChosenPathTooLong);
    if (pathTooLong != nullptr) *pathTooLong = true;
    return false;
}

} // namespace

int OpenFileDialog(char* path, std::int32_t& length, const char* title, int titleLength,
                   bool* pathTooLong) {
    if (pathTooLong != nullptr) *pathTooLong = false;
    FileDialogRequest request = MakeRequest(title, titleLength);
    if (length >= 0) {
        const int usable = UsableLength(length);
        path[usable] = '\0';
        // The last separator, of either kind where the system takes both. The
        // folder keeps its trailing separator; a bare name gives no folder and
        // the platform chooses where to start.
        int p = usable;
        while (p > 0 && !IsPathSeparator(path[p - 1]))
            --p;
        if (p > 0) request.initialDirectory.assign(path, static_cast<std::size_t>(p));
    }
    // The remembered path is not offered as a name: only its folder is used.
    std::string chosen;
    if (!ThePlatform().OpenFileDialog(request, chosen)) return 0;
    chosen = UpToNul(chosen);
    if (!FitsPathBuffer(chosen, pathTooLong)) return 0;

    const int n = static_cast<int>(chosen.size());
    std::memcpy(path, chosen.c_str(), static_cast<std::size_t>(n) + 1);
    // Where case does not tell files apart the path is kept in capitals, which the
    // file-kind recognition compares against. Elsewhere capitals would name
    // another file.
    if (!FileNamesAreCaseSensitive()) KleGro(path, static_cast<std::int16_t>(n));
    length = n;
    return 1;
}

int SaveFileDialog(char* path, std::int32_t& length, const char* title, int titleLength,
                   int overwritePrompt, bool* pathTooLong) {
    if (pathTooLong != nullptr) *pathTooLong = false;
    if (length >= 0) {
        path[UsableLength(length)] = '\0';
    } else {
        path[0] = '\0';
    }
    FileDialogRequest request = MakeRequest(title, titleLength);
    request.initialName = path;
    request.overwritePrompt = overwritePrompt != 0;

    std::string chosen;
    int result = ThePlatform().SaveFileDialog(request, chosen) ? 1 : 0;
    if (result != 0) {
        chosen = UpToNul(chosen);
        if (FitsPathBuffer(chosen, pathTooLong)) {
            std::memcpy(path, chosen.c_str(), chosen.size() + 1);
        } else {
            result = 0;
        }
    }
    // The name keeps the case the user typed or chose.
    length = static_cast<std::int32_t>(std::find(path, path + PathCapacity, '\0') - path);
    return result;
}
