#include "panes/richedit.h"

#include "platform/pane_rules.h"
#include "platform/platform.h"
#include "text/Tau.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

Pane& PaneOf(int pane) { return *ThePlatform().GetPane(pane); }

} // namespace

std::int32_t RichEdit_GetLineCount(int pane) { return PaneOf(pane).LineCount(); }

std::int32_t RichEdit_GetTextLine(int pane, std::int32_t line, char* buffer,
                                  std::int32_t capacity) {
    if (capacity <= 0) return 0;
    // The read takes its limit from the buffer's first word; a buffer of one
    // byte receives only the low byte, so nothing is written beyond it.
    const unsigned char word[2] = {static_cast<unsigned char>(capacity & 0xFF),
                                   static_cast<unsigned char>((capacity >> 8) & 0xFF)};
    MoveBytes(std::min(capacity, 2), word, buffer);
    return PaneOf(pane).GetLine(line, buffer, capacity);
}

std::int32_t RichEdit_LineIndex(int pane, std::int32_t line) {
    return PaneOf(pane).LineIndex(line);
}

std::int32_t RichEdit_LineFromChar(int pane, std::int32_t index) {
    return PaneOf(pane).LineFromChar(index);
}

std::int32_t RichEdit_GetFirstVisibleLine(int pane) { return PaneOf(pane).FirstVisibleLine(); }

std::int32_t RichEdit_GetTextLength(int pane) { return PaneOf(pane).TextLength(); }

void RichEdit_GetSel(int pane, std::int32_t& start, std::int32_t& end) {
    start = 0;
    end = 0;
    PaneOf(pane).GetSel(start, end);
}

void RichEdit_SetSel(int pane, std::int32_t start, std::int32_t end) {
    PaneOf(pane).SetSel(start, end);
}

void RichEdit_ScrollCaret(int pane) { PaneOf(pane).ScrollCaret(); }

// The caller's selection is put back by its numbers, not moved with the text: a
// caret after the replaced range stays at the same index.
void RichEdit_ReplaceRange(int pane, std::int32_t from, std::int32_t to, const char* text) {
    Pane& p = PaneOf(pane);
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    p.SetSel(from, to);
    p.ReplaceSel(text, true);
    p.SetSel(start, end);
}

// A line that does not exist has no start; replacing or inserting there would
// act on the caret's place instead, so nothing is done. A negative line is
// refused before the pane is asked: the pane reads -1 as the caret's line.
void RichEdit_ReplaceLine(int pane, std::int32_t line, const char* text) {
    if (line < 0) return;
    Pane& p = PaneOf(pane);
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    std::int32_t from = p.LineIndex(line);
    if (from < 0) return;
    // The line's break is part of the range; for the last line, -1 runs to the
    // end of the text.
    std::int32_t to = p.LineIndex(line + 1);
    RichEdit_ReplaceRange(pane, from, to, text);
    p.SetSel(start, end);
}

void RichEdit_InsertAtLine(int pane, std::int32_t line, const char* text) {
    if (line < 0) return;
    Pane& p = PaneOf(pane);
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    std::int32_t at = p.LineIndex(line);
    if (at < 0) return;
    RichEdit_ReplaceRange(pane, at, at, text);
    p.SetSel(start, end);
}

std::int32_t RichEdit_FindText(int pane, std::int32_t from, std::int32_t to, const char* text) {
    Pane& p = PaneOf(pane);
    if (from <= to) return p.FindText(from, to, text);
    // The pane's find reads a negative end as the end of the text, and every
    // match starts after a negative `from`: backwards from there the first match
    // from `to` on is the answer.
    if (from < 0) return p.FindText(to, from, text);
    // Backwards: one pass through [to, from] from its end; the pane only
    // searches forwards, so its lines are read and searched here by the same
    // rules.
    const std::int32_t length = p.TextLength();
    const TextSearch search = PrepareSearch(text, to, from, length);
    if (search.Empty()) return -1;
    const std::int32_t lineCount = p.LineCount();
    const std::int32_t line =
        p.LineFromChar(search.lastStart + static_cast<std::int32_t>(search.pattern.size()) - 1);
    // A line is read into a buffer that holds most lines whole; one that fills
    // it may be cut, so it is read again into a buffer of its length.
    std::string bytes(LineCapacity, '\0');
    const auto lineBytes = [&](std::int32_t l) {
        const bool hasBreak = l + 1 < lineCount;
        std::int32_t n = p.GetLine(l, bytes.data(), static_cast<std::int32_t>(bytes.size()));
        if (n == static_cast<std::int32_t>(bytes.size())) {
            const std::int32_t end = hasBreak ? p.LineIndex(l + 1) : length + 1;
            bytes.resize(static_cast<std::size_t>(end - p.LineIndex(l)));
            n = p.GetLine(l, bytes.data(), static_cast<std::int32_t>(bytes.size()));
        }
        return std::string_view(bytes.data(), static_cast<std::size_t>(n - (hasBreak ? 1 : 0)));
    };
    return SearchLinesBackward(search, line, p.LineIndex(line), lineCount, lineBytes);
}

bool RichEdit_SetTextColor(int pane, std::int32_t from, std::int32_t to, Colour colour) {
    Pane& p = PaneOf(pane);
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    p.SetSel(from, to);
    // A refused colour change is not shown to anyone; the selection comes back
    // all the same.
    bool done = p.SetSelectionColour(colour);
    p.SetSel(start, end);
    return done;
}

bool RichEdit_SetLineColor(int pane, std::int32_t line, Colour colour) {
    if (line < 0) return false;
    Pane& p = PaneOf(pane);
    std::int32_t from = p.LineIndex(line);
    if (from < 0) return false;
    // The line's break takes the colour too; the last line runs to the end.
    std::int32_t to = p.LineIndex(line + 1);
    return RichEdit_SetTextColor(pane, from, to, colour);
}

bool RichEdit_SetAllTextColor(int pane, Colour colour) { return PaneOf(pane).SetAllColour(colour); }

bool RichEdit_LineHasColor(int pane, std::int32_t line, Colour colour) {
    return PaneOf(pane).LineHasColour(line, colour);
}

void RichEdit_ScrollToLine(int pane, std::int32_t line) {
    Pane& p = PaneOf(pane);
    p.LineScroll(line - p.FirstVisibleLine());
}

void RichEdit_ScrollLines(int pane, std::int32_t count) { PaneOf(pane).LineScroll(count); }

void RichEdit_ScrollOneLine(int pane, bool down) { PaneOf(pane).ScrollOneLine(down); }

void RichEdit_SetRedraw(int pane, bool on) { PaneOf(pane).SetRedraw(on); }

void RichEdit_SetText(int pane, const char* text) { PaneOf(pane).SetText(text); }

std::int32_t RichEdit_GetText(int pane, char* buffer, std::int32_t capacity) {
    return PaneOf(pane).GetText(buffer, capacity);
}

std::int32_t RichEdit_StreamOutText(int pane, char* buffer, std::int32_t capacity) {
    // The stream state: how far the buffer is filled; the room left runs up to
    // the buffer's last byte.
    std::int32_t filled = 0;
    auto sink = [&](const char* chunk, std::int32_t size) -> std::int32_t {
        std::int32_t k = std::max(0, std::min(capacity - filled, size));
        if (size > 0) {
            MoveBytes(k, chunk, buffer + filled);
            filled += k;
        }
        // Taking fewer bytes than offered stops the stream.
        return k;
    };
    return PaneOf(pane).StreamOut(sink);
}

void RichEdit_BeginUndoGroup(int pane) { PaneOf(pane).BeginUndoGroup(); }

void RichEdit_EndUndoGroup(int pane) { PaneOf(pane).EndUndoGroup(); }
