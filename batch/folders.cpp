#include "batch/folders.h"

#include "app/file_kinds.h"
#include "app/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// The names directly in the folder, in byte order; with `regularOnly` only
// those of regular files (or links to them).
bool ListNames(const std::string& folder, bool regularOnly, std::vector<std::string>& names,
               std::string& reason) {
    std::error_code error;
    fs::directory_iterator it(NativePath(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (regularOnly && !it->is_regular_file(ignored)) continue;
        // A name that Windows-1252 cannot write is no path of the program's:
        // neither the editor nor this tool could open it.
        std::string name;
        if (ProgramPath(it->path().filename(), name)) names.push_back(name);
    }
    if (error) {
        reason = folder + ": " + error.message();
        return false;
    }
    std::sort(names.begin(), names.end());
    return true;
}

// Whether the command runs an aid on files of this name.
bool Serves(const std::string& command, const std::string& name) {
    const FileKindRow& row =
        FileKindRowOf(RecogniseFileKind(name.c_str(), static_cast<int>(name.size())));
    return command == "check" ? row.check != nullptr : row.merge != nullptr;
}

} // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && IsPathSeparator(folder.back())) return folder + name;
    return folder + "/" + name;
}

bool ListFolderPairs(const std::string& command, const std::string& originalFolder,
                     const std::string& translationFolder, std::vector<FolderPair>& pairs,
                     std::string& reason) {
    std::vector<std::string> originals;
    std::vector<std::string> translations;
    if (!ListNames(originalFolder, true, originals, reason)) return false;
    if (!ListNames(translationFolder, false, translations, reason)) return false;
    for (const std::string& name : originals) {
        if (!Serves(command, name)) continue;
        auto match = std::find(translations.begin(), translations.end(), name);
        if (match == translations.end()) {
            match = std::find_if(translations.begin(), translations.end(),
                                 [&](const std::string& t) { return SameIgnoringCase(t, name); });
        }
        FolderPair pair{JoinPath(originalFolder, name), "", ""};
        if (match == translations.end()) {
            pair.missingPath = JoinPath(translationFolder, name);
        } else {
            pair.translation = JoinPath(translationFolder, *match);
        }
        pairs.push_back(pair);
    }
    return true;
}
