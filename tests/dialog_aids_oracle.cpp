// The line-by-line "i-Check" and "i-Merge" (see dialog_aids_oracle.h), kept as
// they stood before the aids were indexed; only the namespace is new.
#include "dialog_aids_oracle.h"

#include "aids/aid_scope.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>

namespace oracle {

// ---------------------------------------------------------------- i-Check

// "i-Check" for DialogIni and DialogCprIni files: walks through the original and
// marks faults red; for every well-formed reference 'KEY=#NAME#' of the original
// it looks up the same key in the same section of the translation and marks the
// pair black when the translation's entry is a reference too, red when not.
// Only colours change: the text, the scroll positions and `modified` stay.
namespace {

// The state of one run.
struct CheckRun {
    FileKind kind;
    std::int32_t lastT;       // last line of the translation, taken once
    std::int32_t searchStart; // translation line of the last matched header
    RememberedHeader header;  // the section of the original we are in
    char x[LineCapacity];     // original line
    char y[LineCapacity];     // translation line
};

// Searches the translation, from the line of the last matched section header on,
// for the counterpart of the original's reference in line k, whose key is
// x(1:e). Translation lines passed on the way are checked for form. A pair in
// which either line has unbalanced quotes stays red: marking it black would
// paint over the fault just found.
void FindCounterpart(CheckRun& run, std::int32_t k, int n, int e, bool originalUnbalanced) {
    bool inSection = false;
    for (std::int32_t m = run.searchStart; m <= run.lastT; ++m) {
        const int t = RichEdit_GetTextLine(TranslationPane, m, run.y, LineCapacity);
        if (t <= 3) continue;
        switch (ClassifyLine(run.y, t)) {
        case LineClass::SectionHeader: {
            // The original's section ended in the translation without the key.
            if (inSection) return;
            const int p = HeaderEnd(run.y, t);
            if (p > 0) {
                inSection = OpensRememberedSection(run.header, run.y, t, p);
                if (inSection) run.searchStart = m;
            } else {
                MarkLine(TranslationPane, m, FaultColour, Rules::HeaderWithoutBracket);
            }
            continue;
        }
        case LineClass::StandardEntry:
            if (!IsWellFormedStandardEntry(run.y, t)) {
                MarkLine(TranslationPane, m, FaultColour, Rules::MalformedStandardEntry);
            }
            continue;
        case LineClass::Comment:
            continue;
        default:
            break;
        }
        int effective = t;
        bool unbalanced = false;
        if (run.kind == FileKind::DialogIni) {
            const QuoteScan scan = ScanQuotes(run.y, t);
            effective = scan.effectiveLength;
            unbalanced = scan.unbalanced;
            if (unbalanced) MarkLine(TranslationPane, m, FaultColour, Rules::UnbalancedQuotes);
        }
        if (inSection && SameStart(run.y, effective, run.x, n, e)) {
            if (!IsWellFormedReference(run.y, effective)) {
                MarkLine(OriginalPane, k, FaultColour, Rules::ReferenceBecameText);
                MarkLine(TranslationPane, m, FaultColour, Rules::ReferenceBecameText);
            } else if (unbalanced || originalUnbalanced) {
                MarkLine(OriginalPane, k, FaultColour, Rules::ReferencePairUnbalancedQuotes);
                MarkLine(TranslationPane, m, FaultColour, Rules::ReferencePairUnbalancedQuotes);
            } else {
                RichEdit_SetLineColor(OriginalPane, k, InOrderColour);
                RichEdit_SetLineColor(TranslationPane, m, InOrderColour);
            }
            return;
        }
    }
    // Not found: nothing is marked for this line.
}

void CheckOriginalLine(CheckRun& run, std::int32_t k) {
    const int n = RichEdit_GetTextLine(OriginalPane, k, run.x, LineCapacity);
    if (n <= 3) return;

    int effective = n;
    bool unbalanced = false;
    if (run.kind == FileKind::DialogIni) {
        const QuoteScan scan = ScanQuotes(run.x, n);
        effective = scan.effectiveLength;
        unbalanced = scan.unbalanced;
        // Still classified below: a header with a stray quote sets the section.
        if (unbalanced) MarkLine(OriginalPane, k, FaultColour, Rules::UnbalancedQuotes);
    }

    switch (ClassifyLine(run.x, n)) {
    case LineClass::SectionHeader: {
        const int p = HeaderEnd(run.x, n);
        if (p > 0) {
            RememberHeader(run.header, run.x, p);
        } else {
            // Malformed: the remembered header keeps the previous section.
            MarkLine(OriginalPane, k, FaultColour, Rules::HeaderWithoutBracket);
        }
        return;
    }
    case LineClass::StandardEntry:
        if (!IsWellFormedStandardEntry(run.x, n)) {
            MarkLine(OriginalPane, k, FaultColour, Rules::MalformedStandardEntry);
        }
        return;
    case LineClass::Comment:
        return;
    default:
        break;
    }

    const int e = ReferenceMarker(run.x, effective);
    if (e == 0) return; // a plain entry or an other line
    if (!IsReferenceClosed(run.x, effective, e)) {
        MarkLine(OriginalPane, k, FaultColour, Rules::MalformedReference);
        return;
    }
    FindCounterpart(run, k, n, e, unbalanced);
}

} // namespace

void CheckEntries(FileKind& kind) {
    // The check alone never makes the translation count as changed.
    const KeepModifiedAsFound keepModified;
    const DrawingOffForRun drawingOff{OriginalPane, TranslationPane};

    const std::int32_t originalLines = RichEdit_GetLineCount(OriginalPane);
    CheckRun run;
    run.kind = kind;
    run.lastT = RichEdit_GetLineCount(TranslationPane) - 1;

    // Every colour change selects a line and may scroll the pane.
    const std::int32_t firstVisibleOriginal = RichEdit_GetFirstVisibleLine(OriginalPane);
    const std::int32_t firstVisibleTranslation = RichEdit_GetFirstVisibleLine(TranslationPane);

    run.searchStart = 0;
    ClearHeader(run.header);
    for (std::int32_t k = 0; k < originalLines; ++k)
        CheckOriginalLine(run, k);

    // Back to the first visible lines before drawing comes on again, so that the
    // panes are seen unmoved.
    RichEdit_ScrollToLine(OriginalPane, firstVisibleOriginal);
    RichEdit_ScrollToLine(TranslationPane, firstVisibleTranslation);
}

// ---------------------------------------------------------------- i-Merge

// "i-Merge" for dialog-text files: carries every section header and entry of the
// original that the translation lacks into the translation, at the place where it
// belongs, and marks each carried-over line magenta. It walks through the
// original once, keeping a search start t in the translation that follows the
// original's progress; it only inserts lines, never changes or removes one.
namespace {

// The state of one run.
struct MergeRun {
    FileKind kind;
    std::int32_t lastT; // last line of the translation, taken again after each insertion
    std::int32_t t;     // search start: just after the last matched or inserted line
    bool refused;       // the translation refused an insertion (its text limit)
    char a[LineCapacity];
    char b[LineCapacity];
    std::string text; // what is inserted
};

// Inserts `text` (whole lines, each with its line end) before translation line
// `line`. Returns false when the pane refused it.
bool InsertIntoTranslation(MergeRun& run, std::int32_t line, std::string& text) {
    if (line > run.lastT) {
        // Just after the last line, which then has no line end (an empty last
        // line ends every search): give it one, so that the inserted text starts
        // a line of its own instead of joining it.
        text.insert(text.begin(), '\r');
        const std::int32_t end = RichEdit_GetTextLength(TranslationPane);
        RichEdit_ReplaceRange(TranslationPane, end, end, text.c_str());
    } else {
        RichEdit_InsertAtLine(TranslationPane, line, text.c_str());
    }
    const std::int32_t lastT = RichEdit_GetLineCount(TranslationPane) - 1;
    if (lastT == run.lastT) {
        // Every inserted text adds a line; none means the pane is full. The pane
        // has told the user; going on would only mark lines that were not
        // inserted and repeat the refusal for every missing line.
        run.refused = true;
        return false;
    }
    run.lastT = lastT;
    return true;
}

// Original line k is a section header of n characters, read into a.
void MergeHeader(MergeRun& run, std::int32_t k, int n) {
    // Length of the header text with its "]"; 0 for a header without "]", which
    // compares nothing and so matches any header. The "]" takes part, so that
    // '[DLG1]' is not taken for '[DLG10]': its entries would go into the wrong
    // section and '[DLG10]' would later be carried over a second time.
    const int p = HeaderEnd(run.a, n);

    for (std::int32_t m = run.t; m <= run.lastT; ++m) {
        const int b = RichEdit_GetTextLine(TranslationPane, m, run.b, LineCapacity);
        if (b == 0 || run.b[0] != '[') continue;
        // The first header at or after t decides; what follows the "]" is left
        // out.
        if (SameStart(run.b, b, run.a, n, p)) {
            run.t = m + 1;
            return;
        }
        break;
    }

    // The section is missing. The header is carried over whole, with its line
    // end, however long it is and also when it is the original's last line.
    ReadWholeLine(OriginalPane, k, run.a, n, run.text);
    if (run.t > 0) {
        // An empty line before the header, as between the other sections.
        run.text.insert(run.text.begin(), '\r');
        run.text.push_back('\r');
        if (!InsertIntoTranslation(run, run.t, run.text)) return;
        MarkLine(TranslationPane, run.t + 1, InsertedColour, Rules::Inserted);
        run.t += 2;
    } else {
        run.text.append("\r\r");
        if (!InsertIntoTranslation(run, 0, run.text)) return;
        MarkLine(TranslationPane, 0, InsertedColour, Rules::Inserted);
        run.t = 1;
    }
}

// Original line k is an entry or a standard entry of n characters, read into a.
void MergeEntry(MergeRun& run, std::int32_t k, int n) {
    const int p = KeyLength(run.a, n);
    if (p == 0) return; // a line without "=" is never carried over

    for (std::int32_t m = run.t; m <= run.lastT; ++m) {
        const int b = RichEdit_GetTextLine(TranslationPane, m, run.b, LineCapacity);
        // The end of the text or the next section ends the search.
        if (b == 0 || run.b[0] == '[') break;
        if (SameStart(run.b, b, run.a, n, p)) {
            run.t = m + 1;
            return;
        }
    }

    // The entry is missing: carry it over whole, with its line end.
    std::int32_t length = n;
    if (run.kind != FileKind::DialogProgIni && run.a[0] == '#' &&
        PretranslateStandardEntry(run.kind, run.a, length)) {
        run.text.assign(run.a, static_cast<std::size_t>(length));
    } else {
        ReadWholeLine(OriginalPane, k, run.a, n, run.text);
        run.text.push_back('\r');
    }
    if (!InsertIntoTranslation(run, run.t, run.text)) return;
    MarkLine(TranslationPane, run.t, InsertedColour, Rules::Inserted);
    run.t += 1;
}

bool IsStandardOrComment(char first) { return first == '#' || first == ';' || first == '!'; }

// The translation's section headers, found as far as they are needed: the first
// line of each header in its remembered form. Two headers open the same section
// exactly when their remembered forms agree. The translation does not change
// during one pre-translation, and the original lines that refer to a standard
// entry mostly lie in different sections; without this each of them would scan
// the translation again from its top.
class TranslationSections {
  public:
    explicit TranslationSections(std::int32_t lastT) : lastT_(lastT) {}

    // The line of the first translation header that opens the remembered
    // section, or -1 when there is none.
    std::int32_t FirstLineOf(const RememberedHeader& header, char* y) {
        const std::string wanted(header.text, HeaderCapacity);
        if (const auto found = firstLines_.find(wanted); found != firstLines_.end()) {
            return found->second;
        }
        while (scanned_ <= lastT_) {
            const std::int32_t m = scanned_++;
            const int ny = RichEdit_GetTextLine(TranslationPane, m, y, LineCapacity);
            if (ny == 0 || y[0] != '[') continue;
            const int p = HeaderEnd(y, ny);
            if (p == 0) continue;
            RememberedHeader seen;
            RememberHeader(seen, y, p);
            const auto [entry, added] =
                firstLines_.try_emplace(std::string(seen.text, HeaderCapacity), m);
            if (added && entry->first == wanted) return m;
        }
        return -1;
    }

  private:
    std::unordered_map<std::string, std::int32_t> firstLines_;
    std::int32_t scanned_ = 0;
    std::int32_t lastT_;
};

// Looks in the translation for the entry at key x(1:e) in the remembered
// section; returns its line length read into y, or 0 when there is none. Only
// the first section of that name counts, and it ends at the next header.
int FindTranslatedEntry(const RememberedHeader& header, const char* x, int nx, int e,
                        TranslationSections& sections, std::int32_t lastT, char* y) {
    const std::int32_t opening = sections.FirstLineOf(header, y);
    if (opening < 0) return 0;
    for (std::int32_t m = opening + 1; m <= lastT; ++m) {
        const int ny = RichEdit_GetTextLine(TranslationPane, m, y, LineCapacity);
        // The section ended without the key: a header of any length ends it, as
        // does a longer line that starts with "[".
        if (ny > 0 && y[0] == '[' && (ny > 5 || HeaderEnd(y, ny) > 0)) return 0;
        if (ny <= 5) continue;
        if (IsStandardOrComment(y[0])) continue;
        if (SameStart(y, ny, x, nx, e)) return ny;
    }
    return 0;
}

// Whether original line x(1:nx) refers to the standard entry named a(1:w): its
// first "=#" is its first "=", the reference's name (up to the first "#" after
// the marker, both within the effective length, as the check reads it) is
// a(1:w), and only blanks follow it within the effective length.
bool RefersTo(FileKind kind, const char* x, int nx, const char* a, int w) {
    int effective = nx;
    if (kind == FileKind::DialogIni) effective = ScanQuotes(x, nx).effectiveLength;
    const int e = ReferenceMarker(x, effective);
    if (e == 0 || e != KeyLength(x, nx) || !IsReferenceClosed(x, effective, e)) return false;
    const int close = e + 1 + IndexChar(x + e + 1, effective - e - 1, '#');
    if (close - e != w || !SameStart(x + e, w, a, w, w)) return false;
    return TrimmedLength(x, LineCapacity, effective) == close;
}

} // namespace

bool PretranslateStandardEntry(FileKind kind, char* a, std::int32_t& length) {
    // The name N = a(1:w), both "#" included; the "=" stays at w + 1.
    const int w = KeyLength(a, length) - 1;
    if (w < 1 || w + 1 >= LineCapacity) return false; // no room for a text

    const std::int32_t originalLines = RichEdit_GetLineCount(OriginalPane);
    const std::int32_t lastT = RichEdit_GetLineCount(TranslationPane) - 1;
    RememberedHeader header;
    ClearHeader(header);
    TranslationSections sections(lastT);
    char x[LineCapacity];
    char y[LineCapacity];

    for (std::int32_t k = 0; k < originalLines; ++k) {
        const int nx = RichEdit_GetTextLine(OriginalPane, k, x, LineCapacity);
        // A header of any length names the section; other short lines are
        // passed over.
        if (nx > 0 && x[0] == '[') {
            const int p = HeaderEnd(x, nx);
            if (p > 0) RememberHeader(header, x, p);
            continue;
        }
        if (nx <= 5) continue;
        if (IsStandardOrComment(x[0])) continue;
        // An original line that refers to the standard entry.
        if (!RefersTo(kind, x, nx, a, w)) continue;
        const int e = KeyLength(x, nx);

        const int ny = FindTranslatedEntry(header, x, nx, e, sections, lastT, y);
        if (ny == 0) continue;
        // A counterpart that is itself a reference holds no text: taken over, the
        // standard entry would refer to itself (or to another one) and its text
        // would be lost. The original's text is better than that.
        if (ny > e && y[e] == '#') continue;

        // a becomes N, "=", and the translation's text after its "=". A text that
        // does not fit is cut, and the line keeps its line end all the same.
        const int kept = w + 1;
        int rewritten = std::min(kept + (ny - e), LineCapacity);
        std::memcpy(a + kept, y + e, static_cast<std::size_t>(rewritten - kept));
        if (!HasLineEnd(a, rewritten)) {
            if (rewritten == LineCapacity) --rewritten;
            a[rewritten++] = '\r';
        }
        Assign(a + rewritten, LineCapacity - rewritten, "", 0);
        length = rewritten;
        return true;
    }
    return false;
}

void MergeEntries(FileKind& kind) {
    MergeRun run;
    run.kind = kind;
    run.refused = false;

    // The original is only read; its line count does not change.
    const std::int32_t originalLines = RichEdit_GetLineCount(OriginalPane);
    run.lastT = RichEdit_GetLineCount(TranslationPane) - 1;

    // Every insertion and colouring moves the selection. The whole merge undoes
    // as one step.
    const DrawingOffForRun drawingOff{TranslationPane};
    RichEdit_BeginUndoGroup(TranslationPane);

    run.t = 0;
    for (std::int32_t k = 0; k < originalLines && !run.refused; ++k) {
        const int n = RichEdit_GetTextLine(OriginalPane, k, run.a, LineCapacity);
        switch (ClassifyLine(run.a, n)) {
        case LineClass::SectionHeader:
            MergeHeader(run, k, n);
            break;
        case LineClass::Entry:
        case LineClass::StandardEntry:
            MergeEntry(run, k, n);
            break;
        case LineClass::Empty:
        case LineClass::Comment:
        case LineClass::Other:
            break;
        }
    }

    RichEdit_EndUndoGroup(TranslationPane);
}

} // namespace oracle
