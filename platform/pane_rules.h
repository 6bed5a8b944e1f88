// The rules by which a pane answers the requests of platform/pane.h, written once
// for the headless pane and the Qt pane: the text limit, how a selection request
// is clamped, which line and character the negative arguments stand for, how a
// line is copied into the caller's buffer, what a search looks for, and how the
// whole text is handed out. Each pane keeps its text its own way and asks these
// for the answer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

// The limit a pane has before one is set, and what a limit of 0 restores.
constexpr std::int32_t DefaultTextLimit = 64000;

// The limit a SetTextLimit request sets.
std::int32_t TextLimitFor(std::int32_t requested);

// Whether a text of `length` characters may lose `removed` and gain `added`. A
// change that would make the text longer than the limit is refused whole; one
// that does not lengthen the text always goes through.
bool FitsTextLimit(std::int64_t length, std::int64_t removed, std::int64_t added,
                   std::int32_t limit);

// A selection: where it was started and where the caret is.
struct PaneSelection {
    std::int32_t anchor = 0;
    std::int32_t caret = 0;
    std::int32_t Start() const { return anchor < caret ? anchor : caret; }
    std::int32_t End() const { return anchor < caret ? caret : anchor; }
};

// What SetSel(start, end) selects in a text of `length` characters whose caret
// stands at `caret`. A start of -1 only drops the selection and the caret stays;
// an end below 0 is the end of the text; both are clamped to the text. The anchor
// goes to `start`, the caret to `end`.
PaneSelection RequestedSelection(std::int32_t start, std::int32_t end, std::int32_t length,
                                 std::int32_t caret);

// The line a LineIndex request means: -1 is the caret's line, which `caretLine()`
// is asked for only then. -1 when there is no such line.
template <typename CaretLine>
std::int32_t RequestedLine(std::int32_t line, std::int32_t lineCount, CaretLine&& caretLine) {
    if (line == -1) line = caretLine();
    return line >= 0 && line < lineCount ? line : -1;
}

// The character a LineFromChar request means: a negative index is the start of
// the selection; the result lies within [0, length].
std::int32_t RequestedChar(std::int32_t index, std::int32_t selectionStart, std::int32_t length);

// Answers GetLine: copies at most `capacity` characters of the line, its break
// given as CR, into `buffer`, and adds no NUL. `lineBytes(line)` gives the
// line's characters without the break and is asked only for a line that
// exists. Returns the count; 0 for a line that does not exist.
template <typename LineBytes>
std::int32_t CopyLine(std::int32_t line, std::int32_t lineCount, char* buffer,
                      std::int32_t capacity, LineBytes&& lineBytes);

// A text handed to a pane as the pane holds it: it ends at its NUL, and CR LF, a
// lone CR and a lone LF each become one CR.
std::string PaneText(const char* text);

// A FindText request made ready: the text to find as the pane holds text and in
// upper case, and the range of indices a match may start at.
struct TextSearch {
    std::string pattern;
    std::int32_t firstStart = 0;
    std::int32_t lastStart = -1;
    bool Empty() const { return pattern.empty() || firstStart > lastStart; }
};

// A search upper-cases and compares a long line a piece at a time, so that it
// stops soon after the match it looks for instead of reading the whole line
// first. The first piece is short, as the next match is often near; each one
// after it is twice as long, up to SearchPiece.
constexpr std::size_t FirstSearchPiece = 64;
constexpr std::size_t SearchPiece = 4096;

// The search of FindText(from, to, text) in a text of `length` characters: to -1
// (or beyond the text) is the end of the text, and a match must lie wholly
// within [from, to].
TextSearch PrepareSearch(const char* text, std::int32_t from, std::int32_t to, std::int32_t length);

// Finds the first match of a search that is not empty, comparing without regard
// to case (the code page's case pairs). `line` holds `search.firstStart` and
// begins at `lineStart`; `lineBytes(line)` gives a line's characters without its
// break. Returns the match's index, or -1.
std::int32_t SearchLines(const TextSearch& search, std::int32_t line, std::int32_t lineStart,
                         std::int32_t lineCount,
                         const std::function<std::string_view(std::int32_t)>& lineBytes);

// Finds the last match of a search that is not empty, by the same comparison.
// `line` holds the last character a match may take, search.lastStart +
// pattern.size() - 1, and begins at `lineStart`; the lines are asked for from
// there down. Returns the match's index, or -1.
std::int32_t SearchLinesBackward(const TextSearch& search, std::int32_t line,
                                 std::int32_t lineStart, std::int32_t lineCount,
                                 const std::function<std::string_view(std::int32_t)>& lineBytes);

// The whole-text requests: the lines joined by CR LF. A pane hands its lines in
// order to Add, which returns false when no more is wanted, and ends with Finish.

// GetText: into a buffer of `capacity` bytes, at most capacity - 1 characters
// and a NUL after them.
class TextCopy {
  public:
    TextCopy(char* buffer, std::int32_t capacity);
    bool Add(std::string_view line, bool lastLine);
    // Puts the NUL; returns the count copied.
    std::int32_t Finish();

  private:
    bool Put(std::string_view bytes);

    char* buffer_;
    std::int32_t room_;
    std::int32_t used_ = 0;
};

// StreamOut: in chunks of StreamChunk bytes to a sink that returns how many
// bytes it took; taking fewer than offered stops the stream.
class TextStream {
  public:
    static constexpr std::int32_t StreamChunk = 4096;
    using Sink = std::function<std::int32_t(const char*, std::int32_t)>;

    explicit TextStream(const Sink& sink);
    bool Add(std::string_view line, bool lastLine);
    // Hands out the last chunk; returns the number of characters the sink took.
    std::int32_t Finish();

  private:
    bool Put(std::string_view bytes);
    bool Flush();

    const Sink& sink_;
    char chunk_[StreamChunk];
    std::int32_t used_ = 0;
    std::int32_t total_ = 0;
    bool stopped_ = false;
};

template <typename LineBytes>
std::int32_t CopyLine(std::int32_t line, std::int32_t lineCount, char* buffer,
                      std::int32_t capacity, LineBytes&& lineBytes) {
    if (line < 0 || line >= lineCount || buffer == nullptr || capacity <= 0) return 0;
    const std::string_view bytes = lineBytes(line);
    const std::int32_t size = static_cast<std::int32_t>(bytes.size());
    const bool hasBreak = line + 1 < lineCount;
    const std::int32_t n = std::min(size + (hasBreak ? 1 : 0), capacity);
    std::memcpy(buffer, bytes.data(), static_cast<std::size_t>(std::min(n, size)));
    if (n > size) buffer[size] = '\r';
    return n;
}
