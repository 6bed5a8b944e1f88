// The line model of dialog-text files, shared by every dialog-text aid.
//
// The aids read pane lines into a line buffer of LineCapacity characters (the
// line's text, then its line end, a CR, unless it is the pane's last line) and
// take a line apart by its first character and by positions in it. Positions
// are 1-based, as in the string rules of text/string00.h; the length of a line
// always counts its line end. No parsed copy of a document is kept: each aid
// reads the lines again as they stand.
#pragma once

#include "app/app_state.h"
#include "panes/richedit.h"

#include <string>

// Characters of a remembered section header, "]" included.
constexpr int HeaderCapacity = 64;

// What the aids mark a whole line with (its line end included).
constexpr Colour FaultColour = ColourRed;
constexpr Colour InOrderColour = ColourBlack;
constexpr Colour InsertedColour = ColourMagenta;

// Classes of lines, decided by the first character alone ("[" before "#" before
// ";" and "!"); only then is "=" looked for. A line '[A=B' is a header, ';A=B' a
// comment.
enum class LineClass {
    Empty,         // length 0: the empty last line of a pane, or no line at all
    SectionHeader, // "[" ...
    StandardEntry, // "#" name "#=" value
    Comment,       // ";" or "!"
    Entry,         // any other first character, and the line holds "="
    Other,         // blank lines and free text
};

LineClass ClassifyLine(const char* line, int n);

// Length of line(1:n) without its trailing blanks and control characters
// (codes 0 to 13, taken as unsigned so that "ä" stays). The capacity is passed
// along but not used.
int TrimmedLength(const char* buffer, int capacity, int n);

// Whether the line ends with its line end (the pane's last line does not, nor
// does a line cut at the buffer's capacity).
bool HasLineEnd(const char* line, int n);

// Position of the first "]" (the end of the header text), 0 for a malformed
// header.
int HeaderEnd(const char* line, int n);

// Position of the first "=": the key is line(1:KeyLength), its "=" included, so
// that 'AB=' and 'ABC=' are different keys. 0: the line has no key.
int KeyLength(const char* line, int n);

// A standard entry '#NAME#=...' is well-formed when the first "#=" found from
// position 2 on starts at position 3 or later (the name is not empty). A line
// that does not start with "#" is none.
bool IsWellFormedStandardEntry(const char* line, int n);

// Position of the reference marker, the first "=#" within line(1:n); 0 if none.
int ReferenceMarker(const char* line, int n);
// Whether the reference whose marker stands at e is closed: the first "#" from
// position e + 2 to n exists and does not stand at e + 2 (the name is not empty).
bool IsReferenceClosed(const char* line, int n, int e);
// A well-formed reference 'KEY=#NAME#' within line(1:n).
bool IsWellFormedReference(const char* line, int n);

// The quote and trailing-comment scan of DialogIni lines: every double quote
// switches between outside and inside a quoted text; the first ";" or "!" outside
// quotes starts a trailing comment, which ends the effective length just before
// it. Reaching the end of the line inside quotes makes the quotes unbalanced.
struct QuoteScan {
    int effectiveLength;
    bool unbalanced;
};
QuoteScan ScanQuotes(const char* line, int n);

// The value of an entry: line(start : start + length - 1). DialogIni values are
// quoted ('KEY="text"'): the text between the first double quote and the next;
// without a second quote the value is missing. DialogCprIni values stand
// unquoted ('KEY=text'): after the first "=" up to the trimmed length.
struct EntryValue {
    bool present;
    int start;
    int length;
};
EntryValue ValueOf(FileKind kind, const char* line, int n);
// All missing values are equal to one another and differ from every present
// value, the empty quoted value included.
bool SameValue(const char* a, EntryValue va, const char* b, EntryValue vb);

// The header of the section an aid is in, kept as its first HeaderCapacity
// characters, blank-padded; empty (all blanks) at the start of a run.
struct RememberedHeader {
    char text[HeaderCapacity];
};
void ClearHeader(RememberedHeader& header);
// Remembers line(1:p), p being the position of the header's "]".
void RememberHeader(RememberedHeader& header, const char* line, int p);
// Whether a header line whose "]" stands at p opens the remembered section: the
// first p characters of both agree. Headers longer than the remembered 64
// characters are compared on those 64.
bool OpensRememberedSection(const RememberedHeader& header, const char* line, int n, int p);

// Reads line `line` of `pane` whole, without its line end, however long it is.
// `read` and `n` are what a read of `capacity` characters of the same line gave;
// when that read was not cut, it is used as it is.
void ReadWholeLine(int pane, int line, const char* read, int n, std::string& out,
                   int capacity = LineCapacity);
