// "i-Check" for DialogIni and DialogCprIni files: walks through the original and
// marks faults red; for every well-formed reference 'KEY=#NAME#' of the original
// it looks up the same key in the same section of the translation and marks the
// pair black when the translation's entry is a reference too, red when not.
// Only colours change: the text, the scroll positions and `modified` stay.
#include "aids/intldia2.h"

#include "aids/aid_scope.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <cstdint>

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
            if (!IsWellFormedReference(run.y, t)) {
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
