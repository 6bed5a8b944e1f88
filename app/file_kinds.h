// The file kinds the program knows, as one table: how each is recognised by the
// end of its name, which aid each button runs for it, which buttons loading it as
// the translation enables, and how "i-Color" colours its lines. Adding a kind's
// aid is a change of its row.
#pragma once

#include "aids/intl_col.h"
#include "app/app_state.h"

// An aid as the buttons start it: it receives the file kind by reference and
// only reads it.
using Aid = void (*)(FileKind& kind);

struct FileKindRow {
    FileKind kind;
    // The end of the file name that recognises the kind; nullptr for Other.
    const char* nameEnding;
    // "i-Check", "i-Merge" and "#-#"; nullptr: the button does nothing.
    Aid check;
    Aid merge;
    Aid standardEntries;
    // Buttons a translation of this kind enables ("i-Merge", "#-#").
    bool enablesMerge;
    bool enablesStandardEntries;
    LineColouring colouring;
};

// The row of a kind; any value outside the table reads as Other.
const FileKindRow& FileKindRowOf(FileKind kind);

// The kind of file a path names, by the end of path(1:length): the endings are
// tried in the table's order and the first that matches wins. Where file names
// distinguish case the chosen path keeps its case, so the ending is compared
// without regard to case; elsewhere the path is in capitals and compared exactly.
FileKind RecogniseFileKind(const char* path, int length);

// Runs the aid the row names for the current kind, if there is one.
void RunAid(Aid FileKindRow::*button);
