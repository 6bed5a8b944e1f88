#include "app/file_kinds.h"

#include "aids/intl_mnu.h"
#include "aids/intl_msk.h"
#include "aids/intlappl.h"
#include "aids/intldia2.h"
#include "aids/standard_entries.h"
#include "app/paths.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// In the order the endings are tried: a name ending in "DIALOGCPR.INI" does not
// end in "DIALOG.INI", so the order among the dialog-text files does not matter,
// but "MSK" and "MNU" come first as they always have.
constexpr FileKindRow fileKinds[] = {
    {FileKind::Mask, "MSK", CheckMask, nullptr, nullptr, false, false, LineColouring::Mask},
    {FileKind::Menu, "MNU", CheckMenu, MergeMenu, nullptr, true, false, LineColouring::Menu},
    {FileKind::DialogIni, "DIALOG.INI", CheckEntries, MergeEntries, OfferStandardEntries, true,
     true, LineColouring::DialogText},
    {FileKind::DialogCprIni, "DIALOGCPR.INI", CheckEntries, MergeEntries, OfferStandardEntries,
     true, true, LineColouring::DialogText},
    {FileKind::DialogProgIni, "DIALOGPROG.INI", nullptr, MergeEntries, nullptr, true, false,
     LineColouring::DialogText},
    {FileKind::Other, nullptr, nullptr, nullptr, nullptr, false, false, LineColouring::None},
};

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EndsWith(const std::string& path, const std::string& ending) {
    if (path.size() < ending.size()) return false;
    const std::string tail = path.substr(path.size() - ending.size());
    if (!FileNamesAreCaseSensitive()) return tail == ending;
    return std::equal(tail.begin(), tail.end(), ending.begin(),
                      [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

} // namespace

const FileKindRow& FileKindRowOf(FileKind kind) {
    for (const FileKindRow& row : fileKinds) {
        if (row.kind == kind) return row;
    }
    return fileKinds[std::size(fileKinds) - 1];
}

FileKind RecogniseFileKind(const char* path, int length) {
    const std::string name = PathText(path, length);
    for (const FileKindRow& row : fileKinds) {
        if (row.nameEnding != nullptr && EndsWith(name, row.nameEnding)) return row.kind;
    }
    return FileKind::Other;
}

void RunAid(Aid FileKindRow::*button) {
    const Aid aid = FileKindRowOf(appState.fileKind).*button;
    if (aid != nullptr) aid(appState.fileKind);
}
