#include "standard_entries_oracle.h"

#include "aids/aid_scope.h"
#include "aids/candidate_values.h"
#include "aids/entry_line.h"
#include "aids/findings.h"
#include "aids/standard_entries.h"
#include "aids/standard_entry_dialog.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "resources/standard_entry_dialog.h"

#include <cstdint>
#include <string>

namespace oracle {

namespace {

// Reads line `line` whole into `text` (without its line end); true and its
// value when it takes part.
bool ReadValue(FileKind kind, std::int32_t line, std::string& text, std::string& value) {
    char read[LineCapacity];
    const int n = RichEdit_GetTextLine(TranslationPane, line, read, LineCapacity);
    ReadWholeLine(TranslationPane, line, read, n, text);
    std::string_view found;
    if (!CandidateValueOf(kind, text, found)) return false;
    value.assign(found);
    return true;
}

bool TakeOver(FileKind kind, std::int32_t& last, const std::string& v, std::int32_t count,
              const std::string& name) {
    RichEdit_BeginUndoGroup(TranslationPane);
    bool done = false;
    {
        const DrawingOffForRun drawingOff{TranslationPane};
        done = [&] {
            char line[LineCapacity];
            int n = RichEdit_GetTextLine(TranslationPane, 0, line, LineCapacity);
            if (!IsStandardHeader(line, n)) {
                const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
                RichEdit_InsertAtLine(TranslationPane, 0, StandardSectionText);
                if (RichEdit_GetLineCount(TranslationPane) != before + 2) return false;
                MarkLine(TranslationPane, 0, InsertedColour, Rules::StandardSectionCreated);
                last += 2;
            }
            std::int32_t j = 1;
            while (true) {
                n = RichEdit_GetTextLine(TranslationPane, j, line, LineCapacity);
                if (n == 0 || line[0] != '#') break;
                ++j;
            }
            const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
            RichEdit_InsertAtLine(TranslationPane, j,
                                  (StandardEntryLine(kind, name, v) + "\r\n").c_str());
            if (RichEdit_GetLineCount(TranslationPane) != before + 1) return false;
            MarkLine(TranslationPane, j, InsertedColour, Rules::StandardEntryCreated, count);
            last += 1;

            std::string b;
            std::string w;
            for (std::int32_t j2 = j + 1; j2 <= last; ++j2) {
                if (!ReadValue(kind, j2, b, w) || w != v) continue;
                const std::string reference = ReferenceLine(kind, b, name);
                const bool lineEnd = j2 + 1 < RichEdit_GetLineCount(TranslationPane);
                const std::int32_t length = RichEdit_GetTextLength(TranslationPane);
                RichEdit_ReplaceLine(TranslationPane, j2, (reference + "\r\n").c_str());
                const std::int32_t grown = static_cast<std::int32_t>(reference.size()) + 1 -
                                           static_cast<std::int32_t>(b.size()) - (lineEnd ? 1 : 0);
                if (RichEdit_GetTextLength(TranslationPane) != length + grown) return false;
                MarkLine(TranslationPane, j2, InsertedColour, Rules::ReferenceReplacesValue);
            }
            return true;
        }();
    }
    RichEdit_EndUndoGroup(TranslationPane);
    return done;
}

} // namespace

void OfferStandardEntries(FileKind& kind) {
    if (kind != FileKind::DialogIni && kind != FileKind::DialogCprIni) return;
    std::int32_t last = RichEdit_GetLineCount(TranslationPane) - 1;
    const std::int32_t lines = last + 1;
    std::int32_t threshold = 2;
    std::string a, v, b, w, name;
    for (std::int32_t i = 0; i < lines; ++i) {
        if (!ReadValue(kind, i, a, v)) continue;
        std::int32_t count = 1;
        for (std::int32_t j = i + 1; j <= last; ++j) {
            if (ReadValue(kind, j, b, w) && w == v) ++count;
        }
        if (count < 2 || count < threshold) continue;
        const int r = ShowStandardEntryDialog(FoundMessage(v, count), v, name);
        if (r == IdEntryNo) {
            threshold = count + 1;
        } else if (r == IdEntryNext) {
            continue;
        } else if (r == IdEntryYes || r == IDOK) {
            if (!TakeOver(kind, last, v, count, name)) return;
        } else {
            return;
        }
    }
}

} // namespace oracle
