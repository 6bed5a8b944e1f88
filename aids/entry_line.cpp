#include "aids/entry_line.h"

#include "text/string00.h"

#include <algorithm>

LineClass ClassifyLine(const char* line, int n) {
    if (n <= 0) return LineClass::Empty;
    switch (line[0]) {
    case '[':
        return LineClass::SectionHeader;
    case '#':
        return LineClass::StandardEntry;
    case ';':
    case '!':
        return LineClass::Comment;
    default:
        return KeyLength(line, n) > 0 ? LineClass::Entry : LineClass::Other;
    }
}

int TrimmedLength(const char* buffer, int /*capacity*/, int n) {
    while (n > 0) {
        const unsigned char c = static_cast<unsigned char>(buffer[n - 1]);
        if (c != ' ' && c > 13) break;
        --n;
    }
    return n < 0 ? 0 : n;
}

bool HasLineEnd(const char* line, int n) { return n > 0 && line[n - 1] == '\r'; }

int HeaderEnd(const char* line, int n) { return IndexChar(line, n, ']'); }

int KeyLength(const char* line, int n) { return IndexChar(line, n, '='); }

bool IsWellFormedStandardEntry(const char* line, int n) {
    if (n < 2 || line[0] != '#') return false;
    // Searched from position 2 on, so that the leading "#" cannot start the "#=".
    const int found = Index(line + 1, n - 1, "#=", 2);
    return found > 0 && found + 1 >= 3;
}

int ReferenceMarker(const char* line, int n) { return Index(line, n, "=#", 2); }

bool IsReferenceClosed(const char* line, int n, int e) {
    const int from = e + 2; // first position after the marker
    if (e <= 0 || from > n) return false;
    const int found = IndexChar(line + from - 1, n - from + 1, '#');
    return found > 1; // 0: no closing "#"; 1: directly behind the marker
}

bool IsWellFormedReference(const char* line, int n) {
    return IsReferenceClosed(line, n, ReferenceMarker(line, n));
}

QuoteScan ScanQuotes(const char* line, int n) {
    // The check scans every translation line its searches pass, so the scan
    // jumps: outside quotes to the next quote or comment character, inside
    // quotes to the closing quote.
    int i = 0;
    for (;;) {
        while (i < n && line[i] != '"' && line[i] != ';' && line[i] != '!')
            ++i;
        if (i == n) return {n, false};
        if (line[i] != '"') return {i, false}; // a trailing comment starts here
        const int close = IndexChar(line + i + 1, n - i - 1, '"');
        if (close == 0) return {n, true}; // the end of the line inside quotes
        i += close + 1;
    }
}

EntryValue ValueOf(FileKind kind, const char* line, int n) {
    if (kind == FileKind::DialogCprIni) {
        const int e = KeyLength(line, n);
        if (e == 0) return {false, 0, 0};
        const int end = TrimmedLength(line, LineCapacity, n);
        return {true, e + 1, std::max(0, end - e)};
    }
    const int open = IndexChar(line, n, '"');
    if (open == 0) return {false, 0, 0};
    const int close = IndexChar(line + open, n - open, '"');
    if (close == 0) return {false, 0, 0};
    return {true, open + 1, close - 1};
}

bool SameValue(const char* a, EntryValue va, const char* b, EntryValue vb) {
    if (!va.present || !vb.present) return va.present == vb.present;
    return va.length == vb.length &&
           SameStart(a + va.start - 1, va.length, b + vb.start - 1, vb.length, va.length);
}

void ClearHeader(RememberedHeader& header) { Assign(header.text, HeaderCapacity, "", 0); }

void RememberHeader(RememberedHeader& header, const char* line, int p) {
    Assign(header.text, HeaderCapacity, line, p);
}

bool OpensRememberedSection(const RememberedHeader& header, const char* line, int n, int p) {
    const int compared = std::min(p, HeaderCapacity);
    return SameStart(header.text, HeaderCapacity, line, n, compared);
}

void ReadWholeLine(int pane, int line, const char* read, int n, std::string& out, int capacity) {
    if (n < capacity || HasLineEnd(read, n)) {
        out.assign(read, static_cast<std::size_t>(HasLineEnd(read, n) ? n - 1 : n));
        return;
    }
    // The read filled the buffer: the line may go on. Its whole length is the
    // distance to the next line's start (or to the end of the text).
    const std::int32_t start = RichEdit_LineIndex(pane, line);
    const std::int32_t next = RichEdit_LineIndex(pane, line + 1);
    const std::int32_t length = (next >= 0 ? next : RichEdit_GetTextLength(pane)) - start;
    out.resize(static_cast<std::size_t>(std::max(length, n)));
    const std::int32_t got =
        RichEdit_GetTextLine(pane, line, out.data(), static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(got));
    if (HasLineEnd(out.data(), got)) out.pop_back();
}
