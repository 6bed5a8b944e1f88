// "i-Merge" for dialog-text files: carries every section header and entry of the
// original that the translation lacks into the translation, at the place where it
// belongs, and marks each carried-over line magenta. It walks through the
// original once, keeping a search start t in the translation that follows the
// original's progress; it only inserts lines, never changes or removes one.
//
// The translation is indexed once at the start (MergeIndex): the merge inserts
// only at t, which never moves back, so the lines from t on are still those of
// the start and a search from t is a look-up. The pre-translation of standard
// entries has an index of its own (PretranslationIndex), built at the first
// standard entry that is missing and told of every insertion after that.
#include "aids/intlappl.h"

#include "aids/aid_scope.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "aids/merge_index.h"
#include "aids/pretranslation_index.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The state of one run.
struct MergeRun {
    FileKind kind;
    std::int32_t lastT; // last line of the translation, taken again after each insertion
    std::int32_t t;     // search start: just after the last matched or inserted line
    // The first line of the translation as it was at the start (an index of
    // `lines`) at or after t; every line inserted so far stands before it.
    std::int32_t c;
    bool refused; // the translation refused an insertion (its text limit)
    const MergeIndex* lines;
    // Built at the first missing standard entry that may be pre-translated.
    std::optional<PretranslationIndex> pretranslation;
    char a[LineCapacity];
    std::string text; // what is inserted
};

// Where line `line` of the translation as it was at the start stands now, for
// lines at or after the cursor c.
std::int32_t Now(const MergeRun& run, std::int32_t line) {
    return line + (run.lastT - (run.lines->Count() - 1));
}

// The translation's line `line` of the start matched: the search goes on after it.
void Matched(MergeRun& run, std::int32_t line) {
    run.t = Now(run, line) + 1;
    run.c = line + 1;
}

// Inserts `text` (whole lines, each with its line end) before translation line
// `line`. Returns false when the pane refused it.
bool InsertIntoTranslation(MergeRun& run, std::int32_t line, std::string& text) {
    const std::int32_t linesBefore = run.lastT + 1;
    const bool appended = line > run.lastT;
    if (appended) {
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
    if (run.pretranslation) {
        run.pretranslation->Inserted(line, linesBefore,
                                     std::string_view(text).substr(appended ? 1 : 0));
        if (appended) run.pretranslation->LastLineGotLineEnd();
    }
    return true;
}

// Original line k is a section header of n characters, read into a.
void MergeHeader(MergeRun& run, std::int32_t k, int n) {
    // Length of the header text with its "]"; 0 for a header without "]", which
    // compares nothing and so matches any header. The "]" takes part, so that
    // '[DLG1]' is not taken for '[DLG10]': its entries would go into the wrong
    // section and '[DLG10]' would later be carried over a second time.
    const int p = HeaderEnd(run.a, n);

    // The first header at or after t decides; what follows the "]" is left out.
    const std::int32_t m = run.lines->NextHeader(run.c);
    if (m < run.lines->Count() &&
        SameStart(run.lines->Text(m), run.lines->Length(m), run.a, n, p)) {
        Matched(run, m);
        return;
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

    // The end of the text or the next section ends the search.
    const std::int32_t m =
        run.lines->FirstWithKey(run.c, std::string_view(run.a, static_cast<std::size_t>(p)));
    if (m >= 0) {
        Matched(run, m);
        return;
    }

    // The entry is missing: carry it over whole, with its line end.
    std::int32_t length = n;
    bool pretranslated = false;
    if (run.kind != FileKind::DialogProgIni && run.a[0] == '#') {
        if (!run.pretranslation) run.pretranslation.emplace(run.kind);
        pretranslated = PretranslateStandardEntry(*run.pretranslation, run.a, length);
    }
    if (pretranslated) {
        run.text.assign(run.a, static_cast<std::size_t>(length));
    } else {
        ReadWholeLine(OriginalPane, k, run.a, n, run.text);
        run.text.push_back('\r');
    }
    if (!InsertIntoTranslation(run, run.t, run.text)) return;
    MarkLine(TranslationPane, run.t, InsertedColour, Rules::Inserted);
    run.t += 1;
}

} // namespace

bool PretranslateStandardEntry(const PretranslationIndex& index, char* a, std::int32_t& length) {
    // The name N = a(1:w), both "#" included; the "=" stays at w + 1.
    const int w = KeyLength(a, length) - 1;
    if (w < 1 || w + 1 >= LineCapacity) return false; // no room for a text

    std::string_view y;
    int e = 0;
    if (!index.FindTranslatedText(std::string_view(a, static_cast<std::size_t>(w)), y, e)) {
        return false;
    }
    const int ny = static_cast<int>(y.size());

    // a becomes N, "=", and the translation's text after its "=". A text that
    // does not fit is cut, and the line keeps its line end all the same.
    const int kept = w + 1;
    int rewritten = std::min(kept + (ny - e), LineCapacity);
    std::memcpy(a + kept, y.data() + e, static_cast<std::size_t>(rewritten - kept));
    if (!HasLineEnd(a, rewritten)) {
        if (rewritten == LineCapacity) --rewritten;
        a[rewritten++] = '\r';
    }
    Assign(a + rewritten, LineCapacity - rewritten, "", 0);
    length = rewritten;
    return true;
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

    const MergeIndex lines(run.lastT + 1);
    run.lines = &lines;
    run.t = 0;
    run.c = 0;
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
