#include "aids/intl_mnu.h"

#include "aids/aid_scope.h"
#include "aids/entry_line.h"
#include "aids/file_lines.h"
#include "aids/findings.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The merge compares lines read this many characters at a time; what lies
// beyond is not looked at, but is kept when the line is rebuilt.
constexpr int MergeLineCapacity = 256;

// Where a line's colon and quote stand (0-based), -1 for none. Both are looked
// for from column 12 on, so that the head never counts.
struct MenuLine {
    const char* text;
    int length;
    int colon;
    int quote;
};

int FindAfterHead(const char* line, int n, char c) {
    if (n <= MenuHeadLength) return -1;
    const int found = IndexChar(line + MenuHeadLength, n - MenuHeadLength, c);
    return found == 0 ? -1 : MenuHeadLength + found - 1;
}

MenuLine ReadMenuLine(const char* text, int n) {
    return {text, n, FindAfterHead(text, n, ':'), FindAfterHead(text, n, '\'')};
}

// The colon field's length, ":" and "'" included. A quote before the colon
// leaves no field: the ":" then stands in the text part.
int ColonFieldLength(const MenuLine& line) {
    return line.quote > line.colon ? line.quote - line.colon + 1 : 0;
}

bool SameColonField(const MenuLine& a, const MenuLine& b) {
    const int length = ColonFieldLength(a);
    return length == ColonFieldLength(b) &&
           std::memcmp(a.text + a.colon, b.text + b.colon, static_cast<std::size_t>(length)) == 0;
}

// Marks red the characters strictly between the line's ":" and "'": nothing
// when there is no quote after the colon.
void MarkInsideColonField(int pane, std::int32_t i, const MenuLine& line, const Rule& rule) {
    if (line.quote <= line.colon + 1) return;
    const std::int32_t start = RichEdit_LineIndex(pane, i);
    MarkRange(pane, start + line.colon + 1, start + line.quote, ColourRed, rule);
}

void MarkLinesWithoutCounterpart(int pane, std::int32_t from, std::int32_t to) {
    for (std::int32_t i = from; i < to; ++i)
        MarkLine(pane, i, ColourMagenta, Rules::MenuLineWithoutCounterpart, from);
}

void CheckMenuLine(std::int32_t i, char* o, char* t) {
    const int lenO = RichEdit_GetTextLine(OriginalPane, i, o, LineCapacity);
    const int lenT = RichEdit_GetTextLine(TranslationPane, i, t, LineCapacity);
    if (lenO < MenuHeadLength || lenT < MenuHeadLength) return;
    if (IsMenuSeparator(o, lenO) && std::memcmp(o, t, MenuHeadLength) != 0) {
        MarkLine(OriginalPane, i, ColourRed, Rules::MenuSeparatorDiffers);
        MarkLine(TranslationPane, i, ColourRed, Rules::MenuSeparatorDiffers);
        return;
    }
    const MenuLine original = ReadMenuLine(o, lenO);
    if (original.colon < 0) return;
    const MenuLine translation = ReadMenuLine(t, lenT);
    if (translation.colon < 0) {
        MarkInsideColonField(OriginalPane, i, original, Rules::MenuColonFieldMissing);
        return;
    }
    if (original.quote < 0 || translation.quote < 0) return;
    if (SameColonField(original, translation)) return;
    MarkInsideColonField(OriginalPane, i, original, Rules::MenuColonFieldDiffers);
    MarkInsideColonField(TranslationPane, i, translation, Rules::MenuColonFieldDiffers);
}

// Characters [from, end of line) of a line, without its line end, however long
// the line is. `read` and `n` are what a read of `capacity` characters gave.
void LineTail(int pane, std::int32_t i, const char* read, int n, int capacity, int from,
              std::string& whole, std::string& out) {
    const char* text = read;
    int length = HasLineEnd(read, n) ? n - 1 : n;
    if (n >= capacity && !HasLineEnd(read, n)) {
        ReadWholeLine(pane, i, read, n, whole, capacity);
        text = whole.data();
        length = static_cast<int>(whole.size());
    }
    if (from < length) out.append(text + from, static_cast<std::size_t>(length - from));
}

// The line that replaces translation line i, or false when the line stays.
bool MergedLine(std::int32_t i, const char* o, int lenO, const char* t, int lenT,
                std::string& whole, std::string& merged) {
    const MenuLine original = ReadMenuLine(o, lenO);
    if (original.colon < 0) return false;
    const MenuLine translation = ReadMenuLine(t, lenT);
    merged.assign(t, MenuHeadLength);
    if (translation.colon < 0) {
        // No colon field at all: everything after the head comes from the original.
        LineTail(OriginalPane, i, o, lenO, MergeLineCapacity, MenuHeadLength, whole, merged);
    } else if (original.quote >= 0 && translation.quote >= 0 &&
               !SameColonField(original, translation)) {
        merged.append(o + MenuHeadLength,
                      static_cast<std::size_t>(original.quote - MenuHeadLength));
        LineTail(TranslationPane, i, t, lenT, MergeLineCapacity, translation.quote, whole, merged);
    } else {
        return false;
    }
    // The line keeps the line end it had: taken from the original, the original's
    // last line would join the translation's next line, and the translation's
    // last line would gain a line end.
    if (i + 1 < RichEdit_GetLineCount(TranslationPane)) merged.push_back('\r');
    return true;
}

// Replaces translation line i. False when the pane refused the text because it
// would pass the pane's limit; the pane has told the user.
bool ReplaceTranslationLine(std::int32_t i, const std::string& merged) {
    const std::int32_t start = RichEdit_LineIndex(TranslationPane, i);
    const std::int32_t next = RichEdit_LineIndex(TranslationPane, i + 1);
    const std::int32_t before = RichEdit_GetTextLength(TranslationPane);
    const std::int32_t oldLength = (next >= 0 ? next : before) - start;
    RichEdit_ReplaceLine(TranslationPane, i, merged.c_str());
    const bool grows = static_cast<std::int32_t>(merged.size()) > oldLength;
    return !grows || RichEdit_GetTextLength(TranslationPane) != before;
}

} // namespace

bool IsMenuSeparator(const char* line, int length) {
    if (length < MenuHeadLength) return false;
    return std::memcmp(line, "-----------", MenuHeadLength) == 0 ||
           std::memcmp(line, "- - - - - -", MenuHeadLength) == 0;
}

void CheckMenu(FileKind& /*kind*/) {
    // The check alone never makes the translation count as changed.
    const KeepModifiedAsFound keepModified;
    const DrawingOffForRun drawingOff{OriginalPane, TranslationPane};

    // Counted as lines of the files, so that a final line break on one side only
    // leaves no line without counterpart.
    const std::int32_t linesO = FileLineCount(OriginalPane);
    const std::int32_t linesT = FileLineCount(TranslationPane);
    if (linesO > linesT) MarkLinesWithoutCounterpart(OriginalPane, linesT, linesO);
    if (linesT > linesO) MarkLinesWithoutCounterpart(TranslationPane, linesO, linesT);

    char o[LineCapacity];
    char t[LineCapacity];
    for (std::int32_t i = 0; i < linesO; ++i)
        CheckMenuLine(i, o, t);
}

void MergeMenu(FileKind& /*kind*/) {
    const std::int32_t lines =
        std::max(RichEdit_GetLineCount(OriginalPane), RichEdit_GetLineCount(TranslationPane));
    // Every replacement and colouring moves the selection; the whole merge undoes
    // as one step.
    const DrawingOffForRun drawingOff{TranslationPane};
    RichEdit_BeginUndoGroup(TranslationPane);

    char o[MergeLineCapacity];
    char t[MergeLineCapacity];
    std::string whole;
    std::string merged;
    for (std::int32_t i = 0; i < lines; ++i) {
        const int lenO = RichEdit_GetTextLine(OriginalPane, i, o, MergeLineCapacity);
        const int lenT = RichEdit_GetTextLine(TranslationPane, i, t, MergeLineCapacity);
        // A line needs a head and at least one character after it.
        if (lenO <= MenuHeadLength || lenT <= MenuHeadLength) continue;
        if (!MergedLine(i, o, lenO, t, lenT, whole, merged)) continue;
        // A full pane stops the merge: going on would mark lines that were not
        // changed and repeat the refusal for each of them.
        if (!ReplaceTranslationLine(i, merged)) break;
        MarkLine(TranslationPane, i, ColourMagenta, Rules::MenuCodePartTakenOver);
    }

    RichEdit_EndUndoGroup(TranslationPane);
}
