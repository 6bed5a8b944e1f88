// "i-Check" for DialogIni and DialogCprIni files: walks through the original and
// marks faults red; for every well-formed reference 'KEY=#NAME#' of the original
// it looks up the same key in the same section of the translation and marks the
// pair black when the translation's entry is a reference too, red when not.
// Only colours change: the text, the scroll positions and `modified` stay.
//
// The counterpart of a reference is the first entry with its key after the
// first header at or after the search start that opens the original's section;
// the search start then moves to that header. Each search also checks the form
// of every translation line it passes on its way, from the search start to where
// it ends, and marks the faulty ones red. The translation is indexed once
// (CheckIndex), so that a search costs a few look-ups instead of a walk through
// the translation; the lines a search passes are noted as a range, and each
// translation line is coloured once at the end with the mark the last search
// that reached it left.
#include "aids/intldia2.h"

#include "aids/aid_scope.h"
#include "aids/check_index.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// What a found counterpart makes of the pair.
enum class PairMark : std::uint8_t {
    InOrder,
    ReferenceBecameText,
    UnbalancedQuotes, // both are references, but a line has unbalanced quotes
};

// One search for the counterpart of an original reference: the translation
// lines it passes, from..to, and the counterpart it found at `to` (-1: none).
struct Search {
    std::int32_t from;
    std::int32_t to;
    std::int32_t counterpart;
    PairMark mark;
};

// The state of one run.
struct CheckRun {
    FileKind kind;
    std::int32_t lastT;       // last line of the translation, taken once
    std::int32_t searchStart; // translation line of the last matched header
    RememberedHeader header;  // the section of the original we are in
    // The translation's headers that open that section.
    const std::vector<std::int32_t>* sectionHeaders;
    char x[LineCapacity]; // original line
    CheckIndex* index;
    std::vector<Search> searches;
};

void MarkPair(int pane, std::int32_t line, PairMark mark) {
    switch (mark) {
    case PairMark::InOrder:
        RichEdit_SetLineColor(pane, line, InOrderColour);
        break;
    case PairMark::ReferenceBecameText:
        MarkLine(pane, line, FaultColour, Rules::ReferenceBecameText);
        break;
    case PairMark::UnbalancedQuotes:
        MarkLine(pane, line, FaultColour, Rules::ReferencePairUnbalancedQuotes);
        break;
    }
}

void MarkPassedLine(std::int32_t line, PassedLineFault fault) {
    switch (fault) {
    case PassedLineFault::None:
        break;
    case PassedLineFault::HeaderWithoutBracket:
        MarkLine(TranslationPane, line, FaultColour, Rules::HeaderWithoutBracket);
        break;
    case PassedLineFault::MalformedStandardEntry:
        MarkLine(TranslationPane, line, FaultColour, Rules::MalformedStandardEntry);
        break;
    case PassedLineFault::UnbalancedQuotes:
        MarkLine(TranslationPane, line, FaultColour, Rules::UnbalancedQuotes);
        break;
    }
}

// Looks up the counterpart of the original's reference in line k, whose key is
// x(1:e), and marks the original's line; the translation's lines are marked at
// the end of the run. A pair in which either line has unbalanced quotes stays
// red: marking it black would paint over the fault just found.
void FindCounterpart(CheckRun& run, std::int32_t k, int e, bool originalUnbalanced) {
    const std::int32_t from = run.searchStart;
    Search search{from, run.lastT, -1, PairMark::InOrder};
    // The first header at or after the search start that opens the section.
    std::int32_t opening = -1;
    if (const std::vector<std::int32_t>* headers = run.sectionHeaders; headers != nullptr) {
        const auto found = std::lower_bound(headers->begin(), headers->end(), from);
        if (found != headers->end()) opening = *found;
    }
    if (opening < 0) {
        // The section is not found: the search passes every line to the end.
        run.searches.push_back(search);
        return;
    }
    run.searchStart = opening;
    const std::int32_t m = run.index->FirstWithKey(opening, run.x, e);
    if (m < 0) {
        // The section ended without the key; the line that ends it is not passed.
        search.to = std::min(run.index->SectionEnd(opening) - 1, run.lastT);
        run.searches.push_back(search);
        return;
    }
    search.to = m;
    search.counterpart = m;
    if (!run.index->IsReference(m)) {
        search.mark = PairMark::ReferenceBecameText;
    } else if (run.index->HasUnbalancedQuotes(m) || originalUnbalanced) {
        search.mark = PairMark::UnbalancedQuotes;
    }
    MarkPair(OriginalPane, k, search.mark);
    run.searches.push_back(search);
}

// Colours every translation line a search passed or found with the last mark
// it received: a counterpart is marked after the check of its form, and a later
// search that only passes it marks its form again.
void MarkTranslation(const CheckRun& run) {
    const std::size_t lines = static_cast<std::size_t>(run.lastT) + 1;
    // The last search that found each line as its counterpart.
    std::vector<std::int32_t> lastFound(lines, -1);
    for (std::size_t j = 0; j < run.searches.size(); ++j) {
        const std::int32_t counterpart = run.searches[j].counterpart;
        if (counterpart >= 0) {
            lastFound[static_cast<std::size_t>(counterpart)] = static_cast<std::int32_t>(j);
        }
    }
    // The last search that passed each faulty line: the searches from last to
    // first each take the faulty lines of their range that no later one took.
    std::vector<std::int32_t> faulty;
    for (std::int32_t m = 0; m <= run.lastT; ++m) {
        if (run.index->FaultOf(m) != PassedLineFault::None) faulty.push_back(m);
    }
    std::vector<std::int32_t> lastPassed(faulty.size(), -1);
    // next[i] leads to the first faulty line at or after i not taken yet.
    std::vector<std::size_t> next(faulty.size() + 1);
    std::iota(next.begin(), next.end(), std::size_t{0});
    auto untaken = [&next](std::size_t i) {
        while (next[i] != i) {
            next[i] = next[next[i]];
            i = next[i];
        }
        return i;
    };
    for (std::size_t j = run.searches.size(); j-- > 0;) {
        const Search& search = run.searches[j];
        std::size_t i = untaken(static_cast<std::size_t>(
            std::lower_bound(faulty.begin(), faulty.end(), search.from) - faulty.begin()));
        while (i < faulty.size() && faulty[i] <= search.to) {
            lastPassed[i] = static_cast<std::int32_t>(j);
            next[i] = i + 1;
            i = untaken(i + 1);
        }
    }

    std::size_t f = 0;
    for (std::int32_t m = 0; m <= run.lastT; ++m) {
        const std::int32_t found = lastFound[static_cast<std::size_t>(m)];
        std::int32_t passed = -1;
        if (f < faulty.size() && faulty[f] == m) passed = lastPassed[f++];
        if (passed >= 0 && passed != found) {
            MarkPassedLine(m, run.index->FaultOf(m));
        } else if (found >= 0) {
            MarkPair(TranslationPane, m, run.searches[static_cast<std::size_t>(found)].mark);
        }
    }
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
            run.sectionHeaders = run.index->HeadersOf(run.header);
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
    FindCounterpart(run, k, e, unbalanced);
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

    CheckIndex index(run.lastT + 1, kind);
    run.index = &index;
    run.searchStart = 0;
    ClearHeader(run.header);
    run.sectionHeaders = nullptr; // no translation header opens the empty section
    for (std::int32_t k = 0; k < originalLines; ++k)
        CheckOriginalLine(run, k);
    MarkTranslation(run);

    // Back to the first visible lines before drawing comes on again, so that the
    // panes are seen unmoved.
    RichEdit_ScrollToLine(OriginalPane, firstVisibleOriginal);
    RichEdit_ScrollToLine(TranslationPane, firstVisibleTranslation);
}
