#include "platform/pane_rules.h"

#include "text/cp1252.h"

#include <cstring>

namespace {

char UpperByte(char c) { return static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c))); }

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
    // `window` holds the upper-cased characters from `windowStart` on: the lines
    // read so far, less what no match can start in any more.
    std::string window;
    std::int32_t windowStart = lineStart;
    std::int32_t next = search.firstStart;
    for (; line < lineCount; ++line) {
        for (char c : lineBytes(line))
            window.push_back(UpperByte(c));
        if (line + 1 < lineCount) window.push_back('\r');

        const std::int32_t limit =
            std::min(search.lastStart, windowStart + static_cast<std::int32_t>(window.size()) - m);
        for (std::int32_t p = next; p <= limit; ++p) {
            const char* candidate = window.data() + (p - windowStart);
            if (*candidate == pattern[0] &&
                std::memcmp(candidate, pattern.data(), static_cast<std::size_t>(m)) == 0) {
                return p;
            }
        }
        if (limit >= search.lastStart) return -1;
        next = std::max(next, limit + 1);
        window.erase(0, static_cast<std::size_t>(next - windowStart));
        windowStart = next;
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
