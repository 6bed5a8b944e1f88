#include "panes/richedit.h"

#include "platform/platform.h"
#include "text/Tau.h"

#include <algorithm>

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
    // Backwards: the pane only searches forwards, so step from match to match
    // through [to, from] and keep the last one.
    std::int32_t found = -1;
    std::int32_t match = p.FindText(to, from, text);
    while (match >= 0) {
        found = match;
        if (match + 1 > from) break;
        match = p.FindText(match + 1, from, text);
    }
    return found;
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
