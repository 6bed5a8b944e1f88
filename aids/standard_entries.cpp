// "#-#" for DialogIni and DialogCprIni translations. The scan goes once through
// the lines the translation had at the start; a line whose value occurs again
// further down (at least `threshold` times in all, from this line on) is offered
// in StandardEntryDialog. Yes puts the standard entry below the run of standard
// entries that follows [STANDARD] (making the section at line 0 first when line
// 0 is not its header) and turns every entry below the new one that holds the
// value into a reference; No raises the threshold above this value's count; Next
// goes on; Cancel ends the run, keeping what was done. The scan index goes on
// counting after an insertion, so the lines the insertion pushed down are
// scanned again.
//
// Every line is read once at the start and its value numbered (CandidateValues);
// the run keeps the numbers in step with each change and counts, for each
// value, its lines below the scan index, so that a count is a look-up instead of
// a read of every later line.
#include "aids/standard_entries.h"

#include "aids/aid_scope.h"
#include "aids/candidate_values.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "aids/standard_entry_dialog.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "resources/standard_entry_dialog.h"
#include "text/string00.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

constexpr char StandardHeader[] = "[STANDARD]";
constexpr int StandardHeaderLength = 10;

// The state of one run.
struct OfferRun {
    FileKind kind;
    std::int32_t last; // last line of the translation that the run knows of
    std::int32_t scan; // the scan index
    std::int32_t threshold;
    CandidateValues values; // for each line 0..last its value's number
    // For each value, its lines after the scan index, up to last.
    std::vector<std::int32_t> below;
};

void CountBelow(OfferRun& run, std::int32_t value, int change) {
    if (value == CandidateValues::NoValue) return;
    const auto at = static_cast<std::size_t>(value);
    if (at >= run.below.size()) run.below.resize(at + 1, 0);
    run.below[at] += change;
}

// Lines with these values were inserted at `at`. Those that now stand after the
// scan index without having stood there before (the lines pushed down across
// it, or the inserted ones themselves) are counted.
void Inserted(OfferRun& run, std::int32_t at, std::initializer_list<std::int32_t> values) {
    std::vector<std::int32_t>& lines = run.values.Lines();
    lines.insert(lines.begin() + at, values);
    const auto k = static_cast<std::int32_t>(values.size());
    run.last += k;
    const std::int32_t from = std::max(at, run.scan + 1);
    for (std::int32_t q = from; q < from + k; ++q)
        CountBelow(run, lines[static_cast<std::size_t>(q)], +1);
}

// Inserts whole lines, each with its line end, at `line`; false when the pane
// refused them (its text limit; it has told the user).
bool InsertLines(std::int32_t line, const std::string& text, std::int32_t count) {
    const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
    RichEdit_InsertAtLine(TranslationPane, line, text.c_str());
    return RichEdit_GetLineCount(TranslationPane) == before + count;
}

// Replaces line `line` (`oldLength` characters and, unless it is the pane's
// last line, its line end) by `text` and a line end; false when the pane refused
// it.
bool ReplaceWithLine(std::int32_t line, std::size_t oldLength, bool hadLineEnd,
                     const std::string& text) {
    const std::int32_t before = RichEdit_GetTextLength(TranslationPane);
    RichEdit_ReplaceLine(TranslationPane, line, (text + "\r\n").c_str());
    const std::int64_t expected = static_cast<std::int64_t>(before) -
                                  static_cast<std::int64_t>(oldLength) - (hadLineEnd ? 1 : 0) +
                                  static_cast<std::int64_t>(text.size()) + 1;
    return RichEdit_GetTextLength(TranslationPane) == expected;
}

// Text changes between these undo as one step: one accepted value.
class UndoStep {
  public:
    UndoStep() { RichEdit_BeginUndoGroup(TranslationPane); }
    ~UndoStep() { RichEdit_EndUndoGroup(TranslationPane); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;
};

// Takes the value of number `value`, offered with `count`, over under `name`.
// False when the pane refused a change: the run ends there.
bool TakeOver(OfferRun& run, std::int32_t value, std::int32_t count, const std::string& name) {
    const std::string text(run.values.Text(value));
    const UndoStep undoStep;
    const DrawingOffForRun drawingOff{TranslationPane};
    char line[LineCapacity];

    int n = RichEdit_GetTextLine(TranslationPane, 0, line, LineCapacity);
    if (!IsStandardHeader(line, n)) {
        if (!InsertLines(0, StandardSectionText, 2)) return false;
        MarkLine(TranslationPane, 0, InsertedColour, Rules::StandardSectionCreated);
        Inserted(run, 0, {CandidateValues::NoValue, CandidateValues::NoValue});
    }

    // Below the standard entries that directly follow the header.
    std::int32_t j = 1;
    for (;; ++j) {
        n = RichEdit_GetTextLine(TranslationPane, j, line, LineCapacity);
        if (n == 0 || line[0] != '#') break;
    }
    const std::string entry = StandardEntryLine(run.kind, name, text);
    if (!InsertLines(j, entry + "\r\n", 1)) return false;
    MarkLine(TranslationPane, j, InsertedColour, Rules::StandardEntryCreated, count);
    Inserted(run, j, {run.values.ValueOfLine(entry)});

    // Every entry below the new one that holds the value, the one offered
    // among them.
    std::vector<std::int32_t>& lines = run.values.Lines();
    std::string old;
    for (std::int32_t j2 = j + 1; j2 <= run.last; ++j2) {
        if (lines[static_cast<std::size_t>(j2)] != value) continue;
        n = RichEdit_GetTextLine(TranslationPane, j2, line, LineCapacity);
        // Every line but the pane's last ends with a line break.
        const bool hadLineEnd = j2 + 1 < RichEdit_GetLineCount(TranslationPane);
        ReadWholeLine(TranslationPane, j2, line, n, old);
        const std::string reference = ReferenceLine(run.kind, old, name);
        if (!ReplaceWithLine(j2, old.size(), hadLineEnd, reference)) return false;
        MarkLine(TranslationPane, j2, InsertedColour, Rules::ReferenceReplacesValue);
        const std::int32_t now = run.values.ValueOfLine(reference);
        lines[static_cast<std::size_t>(j2)] = now;
        if (j2 > run.scan) {
            CountBelow(run, value, -1);
            CountBelow(run, now, +1);
        }
    }
    return true;
}

} // namespace

const char* const StandardSectionText = "[STANDARD]\r\n\r\n";

bool IsStandardHeader(const char* line, int n) {
    return SameStart(line, n, StandardHeader, StandardHeaderLength, StandardHeaderLength);
}

std::string FoundMessage(std::string_view value, std::int32_t count) {
    std::string number = std::to_string(count);
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    std::string message = "\"";
    message.append(value);
    message += "\" ";
    message += number;
    message += FoundTimesText;
    return message;
}

std::string StandardEntryLine(FileKind kind, std::string_view name, std::string_view value) {
    std::string entry(name);
    entry += '=';
    if (kind == FileKind::DialogCprIni) {
        entry.append(value);
    } else {
        entry += '"';
        entry.append(value);
        entry += '"';
    }
    return entry;
}

std::string ReferenceLine(FileKind kind, std::string_view entry, std::string_view name) {
    const int n = static_cast<int>(entry.size());
    const int e = KeyLength(entry.data(), n);
    std::string reference(entry.substr(0, static_cast<std::size_t>(e)));
    reference.append(name);
    if (kind != FileKind::DialogCprIni) {
        const EntryValue v = ValueOf(kind, entry.data(), n);
        const int after = v.start + v.length; // 0-based, just after the closing quote
        const int end = TrimmedLength(entry.data(), n, n);
        if (v.present && after < end) {
            reference.append(entry.substr(static_cast<std::size_t>(after),
                                          static_cast<std::size_t>(end - after)));
        }
    }
    return reference;
}

void OfferStandardEntries(FileKind& kind) {
    if (kind != FileKind::DialogIni && kind != FileKind::DialogCprIni) return;

    const std::int32_t count = RichEdit_GetLineCount(TranslationPane);
    OfferRun run{kind, count - 1, 0, 2, CandidateValues(kind, count), {}};
    for (std::int32_t value : run.values.Lines())
        CountBelow(run, value, +1);

    std::string name;
    for (run.scan = 0; run.scan < count; ++run.scan) {
        const std::int32_t value = run.values.Lines()[static_cast<std::size_t>(run.scan)];
        if (value == CandidateValues::NoValue) continue;
        CountBelow(run, value, -1); // the line leaves the lines below the scan index
        const std::int32_t found = 1 + run.below[static_cast<std::size_t>(value)];
        if (found < 2 || found < run.threshold) continue;

        const std::string text(run.values.Text(value));
        const int answer = ShowStandardEntryDialog(FoundMessage(text, found), text, name);
        if (answer == IdEntryNo) {
            run.threshold = found + 1;
        } else if (answer == IdEntryNext) {
            continue;
        } else if (answer == IdEntryYes || answer == IDOK) {
            if (!TakeOver(run, value, found, name)) return;
        } else {
            return; // Cancel, or no dialog at all
        }
    }
}
