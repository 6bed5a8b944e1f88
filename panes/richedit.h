// The operations on the text of the two panes, through which every other part
// reads, changes, colours, searches and scrolls pane text. Each is one or a few
// requests to the pane (platform/pane.h). Panes are addressed by control id,
// OriginalPane (1002) or TranslationPane (1003). Lines are 0-based, character
// indices into a pane's text are 0-based.
#pragma once

#include "platform/pane.h"

#include <cstdint>

// The line buffer of ordinary line work: pane lines are read this many
// characters at a time, their line break included; a longer line is cut here.
constexpr int LineCapacity = 320;

constexpr Colour ColourBlack = MakeColour(0, 0, 0);
constexpr Colour ColourRed = MakeColour(255, 0, 0);
constexpr Colour ColourMagenta = MakeColour(255, 0, 255);
constexpr Colour ColourBlue = MakeColour(0, 0, 255);
constexpr Colour ColourDarkGreen = MakeColour(0, 140, 0);

std::int32_t RichEdit_GetLineCount(int pane);
// Reads a line into a caller's buffer of `capacity` characters. The capacity is
// first stored as a little-endian 16-bit word in the buffer's first two bytes;
// the line follows with its CR when it has one, no NUL. Returns the count.
std::int32_t RichEdit_GetTextLine(int pane, std::int32_t line, char* buffer, std::int32_t capacity);
std::int32_t RichEdit_LineIndex(int pane, std::int32_t line);
std::int32_t RichEdit_LineFromChar(int pane, std::int32_t index);
std::int32_t RichEdit_GetFirstVisibleLine(int pane);
std::int32_t RichEdit_GetTextLength(int pane);
void RichEdit_GetSel(int pane, std::int32_t& start, std::int32_t& end);
void RichEdit_SetSel(int pane, std::int32_t start, std::int32_t end);
void RichEdit_ScrollCaret(int pane);
// Texts handed to the pane end at their NUL.
void RichEdit_ReplaceRange(int pane, std::int32_t from, std::int32_t to, const char* text);
void RichEdit_ReplaceLine(int pane, std::int32_t line, const char* text);
void RichEdit_InsertAtLine(int pane, std::int32_t line, const char* text);
// Case-insensitive; from > to searches backwards and gives the last match.
std::int32_t RichEdit_FindText(int pane, std::int32_t from, std::int32_t to, const char* text);
bool RichEdit_SetTextColor(int pane, std::int32_t from, std::int32_t to, Colour colour);
bool RichEdit_SetLineColor(int pane, std::int32_t line, Colour colour);
bool RichEdit_SetAllTextColor(int pane, Colour colour);
// Whether the line (its line break included) carries the colour anywhere.
bool RichEdit_LineHasColor(int pane, std::int32_t line, Colour colour);
void RichEdit_ScrollToLine(int pane, std::int32_t line);
void RichEdit_ScrollLines(int pane, std::int32_t count);
void RichEdit_ScrollOneLine(int pane, bool down);
void RichEdit_SetRedraw(int pane, bool on);
void RichEdit_SetText(int pane, const char* text);
std::int32_t RichEdit_GetText(int pane, char* buffer, std::int32_t capacity);
// Streams the text (CR LF line breaks) into a buffer of `capacity` bytes; stops
// at the first chunk that does not fit whole, after copying the part that fits.
std::int32_t RichEdit_StreamOutText(int pane, char* buffer, std::int32_t capacity);

// Text changes between these two undo as one step (a whole merge, for example).
void RichEdit_BeginUndoGroup(int pane);
void RichEdit_EndUndoGroup(int pane);
