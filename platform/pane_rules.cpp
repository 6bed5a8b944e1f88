#include "platform/pane_rules.h"

#include "text/cp1252.h"

#include <cstring>

namespace {

char UpperByte(char c) { return static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c))); }

void AppendUpper(std::string& out, std::string_view bytes) {
    const std::size_t at = out.size();
    out.resize(at + bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[at + i] = UpperByte(bytes[i]);
}

// Whether the upper-cased `pattern` stands at `offset` in `window`, which holds
// at least offset + pattern.size() characters.
bool MatchesAt(const std::string& window, std::int32_t offset, const std::string& pattern) {
    const char* candidate = window.data() + offset;
    return *candidate == pattern[0] && std::memcmp(candidate, pattern.data(), pattern.size()) == 0;
}

} // namespace

std::int32_t TextLimitFor(std::int32_t requested) {
    return requested > 0 ? requested : DefaultTextLimit;
}

bool FitsTextLimit(std::int64_t length, std::int64_t removed, std::int64_t added,
                   std::int32_t limit) {
    const std::int64_t newLength = length - removed + added;
    return newLength <= limit || newLength <= length;
}

PaneSelection RequestedSelection(std::int32_t start, std::int32_t end, std::int32_t length,
                                 std::int32_t caret) {
    if (start == -1) {
        caret = std::clamp(caret, 0, length);
        return PaneSelection{caret, caret};
    }
    if (end < 0) end = length;
    return PaneSelection{std::clamp(start, 0, length), std::clamp(end, 0, length)};
}

std::int32_t RequestedChar(std::int32_t index, std::int32_t selectionStart, std::int32_t length) {
    return std::clamp(index < 0 ? selectionStart : index, 0, length);
}

std::string PaneText(const char* text) {
    std::string out;
    if (text == nullptr) return out;
    out.reserve(std::strlen(text));
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\r') {
            out.push_back('\r');
            if (p[1] == '\n') ++p;
        } else if (*p == '\n') {
            out.push_back('\r');
        } else {
            out.push_back(*p);
        }
    }
    return out;
}

TextSearch PrepareSearch(const char* text, std::int32_t from, std::int32_t to,
                         std::int32_t length) {
    TextSearch search;
    search.pattern = PaneText(text);
    for (char& c : search.pattern)
        c = UpperByte(c);
    if (to < 0 || to > length) to = length;
    search.firstStart = std::max(from, 0);
    // A match [p, p + m) must end at `to` at the latest.
    search.lastStart = to - static_cast<std::int32_t>(search.pattern.size());
    return search;
}

std::int32_t SearchLines(const TextSearch& search, std::int32_t line, std::int32_t lineStart,
                         std::int32_t lineCount,
                         const std::function<std::string_view(std::int32_t)>& lineBytes) {
    const std::string& pattern = search.pattern;
    const std::int32_t m = static_cast<std::int32_t>(pattern.size());
    // `window` holds the upper-cased characters from `windowStart` on: the
    // pieces read so far, less what no match can start in any more. Reading
    // begins at the first start, not at the start of its line, so that stepping
    // through the matches of a long line does not read the line again each time.
    std::string window;
    std::int32_t windowStart = search.firstStart;
    std::int32_t next = search.firstStart;
    std::size_t skip = static_cast<std::size_t>(std::max(search.firstStart - lineStart, 0));
    std::size_t piece = FirstSearchPiece;
    for (; line < lineCount; ++line, skip = 0) {
        const std::string_view bytes = lineBytes(line);
        const bool hasBreak = line + 1 < lineCount;
        std::size_t at = std::min(skip, bytes.size());
        do {
            const std::size_t k = std::min(bytes.size() - at, piece);
            piece = std::min(2 * piece, SearchPiece);
            AppendUpper(window, bytes.substr(at, k));
            at += k;
            if (at == bytes.size() && hasBreak) window.push_back('\r');

            const std::int32_t limit = std::min(
                search.lastStart, windowStart + static_cast<std::int32_t>(window.size()) - m);
            for (std::int32_t p = next; p <= limit; ++p) {
                if (MatchesAt(window, p - windowStart, pattern)) return p;
            }
            if (limit >= search.lastStart) return -1;
            next = std::max(next, limit + 1);
            window.erase(0, static_cast<std::size_t>(next - windowStart));
            windowStart = next;
        } while (at < bytes.size());
    }
    return -1;
}

std::int32_t SearchLinesBackward(const TextSearch& search, std::int32_t line,
                                 std::int32_t lineStart, std::int32_t lineCount,
                                 const std::function<std::string_view(std::int32_t)>& lineBytes) {
    const std::string& pattern = search.pattern;
    const std::int32_t m = static_cast<std::int32_t>(pattern.size());
    // `window` holds the upper-cased characters from `windowStart` on: the piece
    // read last and the first m - 1 characters after it, all a match starting
    // in the piece can take. Pieces are read from the end of the range towards
    // its start, so the search stops at the last match.
    std::string window;
    std::string piece;
    std::int32_t windowStart = search.lastStart + m;
    // The highest start not tried yet.
    std::int32_t next = search.lastStart;
    std::int32_t pieceSize = static_cast<std::int32_t>(FirstSearchPiece);
    for (bool first = true; line >= 0; --line, first = false) {
        const std::string_view bytes = lineBytes(line);
        const std::int32_t size = static_cast<std::int32_t>(bytes.size());
        if (!first) lineStart -= size + 1;
        const std::int32_t bottom = std::max(lineStart, search.firstStart);
        std::int32_t right =
            std::min(lineStart + size + (line + 1 < lineCount ? 1 : 0), windowStart);
        while (right > bottom) {
            const std::int32_t left = std::max(bottom, right - pieceSize);
            pieceSize = std::min(2 * pieceSize, static_cast<std::int32_t>(SearchPiece));
            piece.clear();
            const std::int32_t textEnd = std::min(right, lineStart + size);
            if (textEnd > left) {
                AppendUpper(piece, bytes.substr(static_cast<std::size_t>(left - lineStart),
                                                static_cast<std::size_t>(textEnd - left)));
            }
            if (right > textEnd) piece.push_back('\r');
            piece.append(window, 0, static_cast<std::size_t>(m - 1));
            window.swap(piece);
            windowStart = left;

            const std::int32_t highest =
                std::min(next, windowStart + static_cast<std::int32_t>(window.size()) - m);
            for (std::int32_t p = highest; p >= windowStart; --p) {
                if (MatchesAt(window, p - windowStart, pattern)) return p;
            }
            next = std::min(next, windowStart - 1);
            right = left;
        }
        if (windowStart <= search.firstStart) return -1;
    }
    return -1;
}

TextCopy::TextCopy(char* buffer, std::int32_t capacity)
    : buffer_(buffer), room_(buffer != nullptr && capacity > 0 ? capacity - 1 : -1) {}

bool TextCopy::Put(std::string_view bytes) {
    const std::int32_t k = std::min(static_cast<std::int32_t>(bytes.size()), room_ - used_);
    bytes.copy(buffer_ + used_, static_cast<std::size_t>(k));
    used_ += k;
    return used_ < room_;
}

bool TextCopy::Add(std::string_view line, bool lastLine) {
    if (room_ <= 0) return false;
    return Put(line) && (lastLine || Put("\r\n"));
}

std::int32_t TextCopy::Finish() {
    if (room_ < 0) return 0;
    buffer_[used_] = '\0';
    return used_;
}

TextStream::TextStream(const Sink& sink) : sink_(sink) {}

bool TextStream::Flush() {
    if (used_ == 0) return true;
    const std::int32_t taken = std::clamp(sink_(chunk_, used_), 0, used_);
    total_ += taken;
    const bool whole = taken == used_;
    used_ = 0;
    return whole;
}

bool TextStream::Put(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t k = std::min(bytes.size(), static_cast<std::size_t>(StreamChunk - used_));
        bytes.copy(chunk_ + used_, k);
        used_ += static_cast<std::int32_t>(k);
        bytes.remove_prefix(k);
        if (used_ == StreamChunk && !Flush()) {
            stopped_ = true;
            return false;
        }
    }
    return true;
}

bool TextStream::Add(std::string_view line, bool lastLine) {
    if (stopped_) return false;
    return Put(line) && (lastLine || Put("\r\n"));
}

std::int32_t TextStream::Finish() {
    if (!stopped_) Flush();
    stopped_ = true;
    return total_;
}
