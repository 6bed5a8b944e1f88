// The raw requests a text pane answers. The pane operations (panes/richedit.h)
// are written once on top of these, so the headless pane and the Qt pane share
// their exact behaviour.
//
// Text is 8-bit Windows-1252. Inside a pane a line break is one character; a
// line read gives it back as CR (13), whole-text reads and stream-out give CR LF.
// Text handed in may break lines with CR LF, lone CR or lone LF: each becomes
// one line break.
#pragma once

#include <cstdint>
#include <functional>

// A colour as the platform's colour reference: red in the low byte, then green,
// then blue.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

// Notification codes a pane reports to its window (high word of the command).
constexpr std::uint16_t EN_CHANGE = 0x0300;
constexpr std::uint16_t EN_MAXTEXT = 0x0501;

class Pane {
  public:
    virtual ~Pane() = default;

    // Number of lines, at least 1 (an empty pane has one empty line).
    virtual std::int32_t LineCount() = 0;
    // Index of the first character of a line; -1 when the line does not exist.
    virtual std::int32_t LineIndex(std::int32_t line) = 0;
    // Line that holds a character index (clamped to the text).
    virtual std::int32_t LineFromChar(std::int32_t index) = 0;
    // Copies at most `capacity` characters of the line into `buffer`, its line
    // break given as CR; adds no NUL. Returns the count; 0 for a line that does
    // not exist.
    virtual std::int32_t GetLine(std::int32_t line, char* buffer, std::int32_t capacity) = 0;
    // Number of characters, each line break counted as one.
    virtual std::int32_t TextLength() = 0;

    virtual void GetSel(std::int32_t& start, std::int32_t& end) = 0;
    // end -1 selects to the end of the text; out-of-range values are clamped.
    virtual void SetSel(std::int32_t start, std::int32_t end) = 0;
    // Replaces the selection by a NUL-terminated text. Refuses what would pass the
    // text limit (reporting EN_MAXTEXT) and reports EN_CHANGE when text changed.
    virtual void ReplaceSel(const char* text, bool canUndo) = 0;

    // Case-insensitive search (Windows-1252 case pairs) for a NUL-terminated text
    // wholly within [from, to]; to -1 is the end of the text. Forward only: the
    // first match, or -1. `to` is the index after the last character a match may
    // take: a match at p of m characters needs from <= p and p + m <= to.
    virtual std::int32_t FindText(std::int32_t from, std::int32_t to, const char* text) = 0;

    // Colours are marks kept beside the text: they never become an undo step and
    // never report a change. Returns false when the request was refused.
    virtual bool SetSelectionColour(Colour colour) = 0;
    virtual bool SetAllColour(Colour colour) = 0;
    virtual Colour CharColour(std::int32_t index) = 0;
    // Whether a character of the line, its line break included, has the colour;
    // false for a line that does not exist.
    virtual bool LineHasColour(std::int32_t line, Colour colour) = 0;

    virtual void ScrollCaret() = 0;
    virtual std::int32_t FirstVisibleLine() = 0;
    // Scrolls by a signed number of lines; the pane stops at its ends.
    virtual void LineScroll(std::int32_t lines) = 0;
    virtual void ScrollOneLine(bool down) = 0;
    virtual void SetRedraw(bool on) = 0;

    // Replaces the whole text (NUL-terminated); no undo step. Returns false when
    // the text was refused.
    virtual bool SetText(const char* text) = 0;
    // Whole text with CR LF line breaks, NUL-terminated, at most capacity - 1
    // characters. Returns the count copied.
    virtual std::int32_t GetText(char* buffer, std::int32_t capacity) = 0;
    // Whole text with CR LF line breaks, handed out in chunks. The callback takes
    // (chunk, size) and returns how many bytes it took; taking fewer than offered
    // stops the stream. Returns the number of characters streamed out.
    virtual std::int32_t
    StreamOut(const std::function<std::int32_t(const char*, std::int32_t)>& sink) = 0;

    virtual void SetTextLimit(std::int32_t limit) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // Whether text changes are reported as EN_CHANGE (the rich-edit event mask).
    virtual void SetChangeNotification(bool on) = 0;

    // Undo of the translator's text changes. Changes between BeginUndoGroup and
    // EndUndoGroup undo as one step.
    virtual bool CanUndo() = 0;
    virtual void Undo() = 0;
    virtual void BeginUndoGroup() = 0;
    virtual void EndUndoGroup() = 0;
};
