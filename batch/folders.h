// Folder mode: the pairs of an original folder and a translation folder.
#pragma once

#include <string>
#include <vector>

struct FolderPair {
    std::string original;    // the original folder as given, "/", the name
    std::string translation; // the same in the translation folder; "" when missing
    std::string missingPath; // the translation's path as it would be, when missing
};

// The regular files directly in originalFolder whose names the command serves
// (check: dialog-text files but DIALOGPROG.INI, masks, menus; merge: the
// dialog-text files and menus), in byte order of their names, each with the
// file of the translation folder of the same name (compared exactly, then
// without regard to case). False when a folder cannot be listed; `reason` is
// then the folder, ": " and the system's reason.
bool ListFolderPairs(const std::string& command, const std::string& originalFolder,
                     const std::string& translationFolder, std::vector<FolderPair>& pairs,
                     std::string& reason);

// The folder as given, a "/" unless it already ends in one, and the name.
std::string JoinPath(const std::string& folder, const std::string& name);
