#include "aids/intl_msk.h"

#include "aids/aid_scope.h"
#include "aids/entry_line.h"
#include "aids/file_lines.h"
#include "aids/findings.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "text/string00.h"

#include <cstdint>
#include <string>

namespace {

// Where the three header fields start (0-based), each MaskHeaderFieldWidth long.
constexpr int headerFieldStarts[3] = {0, 4, 8};

// A 46-column mask whose original body has at most this many lines allows the
// translation no more.
constexpr int narrowMaskWidth = 46;
constexpr int narrowMaskBodyLines = 3;

// One pane's header as the check reads it.
struct MaskHeader {
    int length = 0;        // without its line end
    bool readable = false; // long enough, and every field reads as a number
    int numbers[3] = {};
};

MaskHeader ReadHeader(int pane) {
    char line[LineCapacity];
    const int n = RichEdit_GetTextLine(pane, 0, line, LineCapacity);
    MaskHeader header;
    // The line end does not count: it would otherwise stand in the third field of
    // a header one character short and make it read as unreadable rather than too
    // short, unlike the same header on a last line.
    header.length = HasLineEnd(line, n) ? n - 1 : n;
    if (header.length < MaskHeaderLength) return header;
    header.readable = true;
    for (int field = 0; field < 3; ++field) {
        if (!ReadMaskHeaderNumber(line + headerFieldStarts[field], header.numbers[field])) {
            header.readable = false;
        }
    }
    return header;
}

// Marks line 0 of both panes for what their headers say. The widths are not
// decided here: each pane's comes from its own header, whatever the other's
// holds.
void CheckHeaders(const MaskHeader& original, const MaskHeader& translation) {
    if (original.length < MaskHeaderLength || translation.length < MaskHeaderLength) {
        MarkLine(OriginalPane, 0, ColourMagenta, Rules::MaskHeaderTooShort, original.length,
                 translation.length);
        MarkLine(TranslationPane, 0, ColourMagenta, Rules::MaskHeaderTooShort, original.length,
                 translation.length);
        return;
    }
    if (!original.readable) MarkLine(OriginalPane, 0, ColourRed, Rules::MaskHeaderUnreadable);
    if (!translation.readable) {
        MarkLine(TranslationPane, 0, ColourRed, Rules::MaskHeaderUnreadable);
    }
    if (!original.readable || !translation.readable) return;

    const std::int32_t originalStart = RichEdit_LineIndex(OriginalPane, 0);
    const std::int32_t translationStart = RichEdit_LineIndex(TranslationPane, 0);
    for (int field = 0; field < 3; ++field) {
        const int o = original.numbers[field];
        const int t = translation.numbers[field];
        if (o == t) continue;
        const int from = headerFieldStarts[field];
        MarkRange(OriginalPane, originalStart + from, originalStart + from + MaskHeaderFieldWidth,
                  ColourRed, Rules::MaskHeaderFieldDiffers, field + 1, t);
        MarkRange(TranslationPane, translationStart + from,
                  translationStart + from + MaskHeaderFieldWidth, ColourRed,
                  Rules::MaskHeaderFieldDiffers, field + 1, o);
    }
}

// A pane's width, from its own header; none (false) when the header is too
// short or unreadable, and then the pane's lines are not measured.
bool WidthOf(const MaskHeader& header, int& width) {
    if (!header.readable) return false;
    width = header.numbers[0];
    return true;
}

// A body line's length without its trailing blanks and control characters. A
// line longer than the line buffer is read whole, so that it is measured to its
// end.
int BodyLength(int pane, std::int32_t i, const char* line, int n, std::string& whole) {
    if (n < LineCapacity || HasLineEnd(line, n)) return TrimmedLength(line, LineCapacity, n);
    ReadWholeLine(pane, i, line, n, whole);
    return TrimmedLength(whole.data(), static_cast<int>(whole.size()),
                         static_cast<int>(whole.size()));
}

// Walks the body of a pane, from line 1 to its end marker or its last line, calling
// lineDone(line, bodyLine, length) for each body line. Returns the number of
// body lines.
template <typename LineDone> int WalkBody(int pane, LineDone lineDone) {
    const std::int32_t lineCount = FileLineCount(pane);
    char line[LineCapacity];
    std::string whole;
    int bodyLines = 0;
    for (std::int32_t i = 1; i < lineCount; ++i) {
        const int n = RichEdit_GetTextLine(pane, i, line, LineCapacity);
        if (n > 0 && line[0] == '&') break; // the trailing block is not checked
        ++bodyLines;
        lineDone(i, bodyLines, BodyLength(pane, i, line, n, whole));
    }
    return bodyLines;
}

} // namespace

bool ReadMaskHeaderNumber(const char* field, int& value) {
    return ReadFixedNumber(field, MaskHeaderFieldWidth, value);
}

bool ReadMaskWidth(const char* header, int& width) {
    int value = 0;
    if (!ReadMaskHeaderNumber(header, value) || value < 0) return false;
    width = value;
    return true;
}

void CheckMask(FileKind& /*kind*/) {
    // The check alone never makes the translation count as changed.
    const KeepModifiedAsFound keepModified;
    const DrawingOffForRun drawingOff{OriginalPane, TranslationPane};

    const MaskHeader originalHeader = ReadHeader(OriginalPane);
    const MaskHeader translationHeader = ReadHeader(TranslationPane);
    CheckHeaders(originalHeader, translationHeader);

    int originalWidth = 0;
    const bool originalMeasured = WidthOf(originalHeader, originalWidth);
    const int originalBodyLines =
        WalkBody(OriginalPane, [&](std::int32_t i, int /*bodyLine*/, int length) {
            if (originalMeasured && length > originalWidth) {
                MarkLine(OriginalPane, i, ColourRed, Rules::MaskLineTooWide, originalWidth, length);
            }
        });

    int translationWidth = 0;
    const bool translationMeasured = WidthOf(translationHeader, translationWidth);
    const bool narrowMask = originalMeasured && originalWidth == narrowMaskWidth &&
                            originalBodyLines <= narrowMaskBodyLines;
    WalkBody(TranslationPane, [&](std::int32_t i, int bodyLine, int length) {
        if (translationMeasured && length > translationWidth) {
            MarkLine(TranslationPane, i, ColourRed, Rules::MaskLineTooWide, translationWidth,
                     length);
        } else if (narrowMask && bodyLine > narrowMaskBodyLines) {
            MarkLine(TranslationPane, i, ColourRed, Rules::MaskTooManyLines, bodyLine);
        }
    });
}
