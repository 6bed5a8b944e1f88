#include "app/settings.h"

#include "app/paths.h"
#include "documents/file_io.h"
#include "documents/safe_write.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

// The file is handled as raw Windows-1252 bytes. Reading and writing keep every
// line the caller did not ask about byte for byte, line ends included.

namespace {

// One line of the file: its text and, behind it, its line end (CR LF, LF or CR;
// none on a last line without one).
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t contentEnd = begin;
        while (contentEnd < text.size() && text[contentEnd] != '\n' && text[contentEnd] != '\r') {
            ++contentEnd;
        }
        std::size_t end = contentEnd;
        if (end < text.size() && text[end] == '\r') ++end;
        if (end < text.size() && text[end] == '\n') ++end;
        lines.push_back({begin, contentEnd, end});
        begin = end;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    std::size_t afterEquals = 0; // offset in the file just behind the '='
};

ParsedLine ParseLine(const std::string& text, const Line& line) {
    ParsedLine parsed;
    const std::string_view content(text.data() + line.begin, line.contentEnd - line.begin);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') return parsed;
    if (trimmed.front() == '[') {
        // The name runs to the last ']' of the line, or to its end.
        const std::size_t close = trimmed.rfind(']');
        const std::size_t nameEnd = close == std::string_view::npos ? trimmed.size() : close;
        parsed.kind = LineKind::Section;
        parsed.name = Trim(trimmed.substr(1, nameEnd - 1));
        return parsed;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = Trim(content.substr(0, equals));
    parsed.value = Trim(content.substr(equals + 1));
    parsed.afterEquals = line.begin + equals + 1;
    return parsed;
}

// Where a section and a key stand in the file. Only the first section of the
// name is searched, and in it the first key of the name.
struct Location {
    bool sectionFound = false;
    std::size_t lastLineOfSection = 0; // the last non-blank line, the header at least
    bool keyFound = false;
    std::size_t keyLine = 0;
    ParsedLine key;
};

Location Locate(const std::string& text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location where;
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(text, lines[i]);
        if (parsed.kind == LineKind::Section && SameName(parsed.name, section)) break;
    }
    if (i == lines.size()) return where;
    where.sectionFound = true;
    where.lastLineOfSection = i;
    for (++i; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(text, lines[i]);
        if (parsed.kind == LineKind::Section) break;
        const std::string_view content(text.data() + lines[i].begin,
                                       lines[i].contentEnd - lines[i].begin);
        if (!Trim(content).empty()) where.lastLineOfSection = i;
        if (!where.keyFound && parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            where.keyFound = true;
            where.keyLine = i;
            where.key = parsed;
        }
    }
    return where;
}

enum class FileState { Read, Missing, Unreadable };

// Only a regular file is read: a named pipe in its place would wait for a
// writer, a device might never end.
FileState ReadWholeFile(const std::string& file, std::string& content) {
    std::error_code error;
    const auto status = std::filesystem::status(NativePath(file), error);
    if (status.type() == std::filesystem::file_type::not_found) return FileState::Missing;
    if (error || !std::filesystem::is_regular_file(status)) return FileState::Unreadable;
    return ReadRegularFile(file, content) ? FileState::Read : FileState::Unreadable;
}

// The value of a key as the program sees it: quotes around the whole value are
// dropped, and a NUL ends it.
std::string_view ValueOf(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    const std::size_t nul = value.find('\0');
    return nul == std::string_view::npos ? value : value.substr(0, nul);
}

// Looks a key up; false when the file, the section or the key is missing.
bool FindValue(const std::string& file, const char* section, const char* key, std::string& value) {
    if (!section || !key) return false;
    std::string content;
    if (ReadWholeFile(file, content) != FileState::Read) return false;
    const Location where = Locate(content, SplitLines(content), Trim(section), Trim(key));
    if (!where.keyFound) return false;
    value = ValueOf(where.key.value);
    return true;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// A key reads back only as a key line: not empty, no line break, no "=" (the
// first one ends the key), and not taken for a section header or a comment.
bool KeyReadsBack(std::string_view key) {
    return !key.empty() && !HasLineBreak(key) && key.find('=') == key.npos && key.front() != '[' &&
           key.front() != ';';
}

// A section name reads back when it is not empty and holds no line break and no
// "]", which would end it early for other readers of the format.
bool SectionReadsBack(std::string_view section) {
    return !section.empty() && !HasLineBreak(section) && section.find(']') == section.npos;
}

// A value is read without the blanks around it and without quotes around the
// whole of it; such a value is written in quotes so that it reads back as it is.
std::string ValueAsWritten(std::string_view value) {
    const bool blankAtEnd = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (blankAtEnd || quoted) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

} // namespace

std::string SettingsFilePath() { return std::string(".") + PathSeparator() + "verbodex.ini"; }

int ReadProfileText(const std::string& file, const char* section, const char* key,
                    const char* defaultValue, char* buffer, int capacity) {
    if (!buffer || capacity <= 0) return 0;
    std::string value;
    if (!FindValue(file, section, key, value)) value = defaultValue ? defaultValue : "";
    const std::size_t count =
        value.size() < static_cast<std::size_t>(capacity - 1) ? value.size() : capacity - 1;
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

int ReadProfileInt(const std::string& file, const char* section, const char* key,
                   int defaultValue) {
    std::string value;
    // An empty value counts as missing, as with the platform's own reader.
    if (!FindValue(file, section, key, value) || value.empty()) return defaultValue;
    std::size_t i = 0;
    bool negative = false;
    if (value[i] == '+' || value[i] == '-') negative = value[i++] == '-';
    long long number = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        // Held within the range of int, so that a long digit run cannot overflow.
        if (number <= static_cast<long long>(INT_MAX) + 1) number = number * 10 + (value[i] - '0');
    }
    if (negative) number = -number;
    if (number > INT_MAX) return INT_MAX;
    if (number < INT_MIN) return INT_MIN;
    return static_cast<int>(number);
}

bool WriteProfileText(const std::string& file, const char* section, const char* key,
                      const char* value) {
    if (!section || !key || !value) return false;
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    // What would not read back is refused rather than written: a line break would
    // split the entry and plant other lines in the file.
    if (!SectionReadsBack(sectionName) || !KeyReadsBack(keyName) || HasLineBreak(value)) {
        return false;
    }
    const std::string written = ValueAsWritten(value);

    std::string content;
    const FileState state = ReadWholeFile(file, content);
    // A file that is there but cannot be read is left alone rather than replaced
    // by one holding only this key.
    if (state == FileState::Unreadable) return false;

    const std::vector<Line> lines = SplitLines(content);
    const Location where = Locate(content, lines, sectionName, keyName);
    const std::string entry = std::string(keyName) + "=" + written;
    std::string updated;
    if (where.keyFound) {
        const Line& line = lines[where.keyLine];
        updated =
            content.substr(0, where.key.afterEquals) + written + content.substr(line.contentEnd);
    } else if (where.sectionFound) {
        const Line& last = lines[where.lastLineOfSection];
        const bool lastHasLineEnd = last.end > last.contentEnd;
        updated = content.substr(0, last.end) + (lastHasLineEnd ? "" : "\r\n") + entry + "\r\n" +
                  content.substr(last.end);
    } else {
        updated = content;
        if (!lines.empty()) {
            const Line& last = lines.back();
            if (last.end == last.contentEnd) updated += "\r\n";
            const std::string_view lastText(content.data() + last.begin,
                                            last.contentEnd - last.begin);
            if (!Trim(lastText).empty()) updated += "\r\n"; // a blank line between sections
        }
        updated += "[" + std::string(sectionName) + "]\r\n" + entry + "\r\n";
    }

    if (state == FileState::Read && updated == content) return true;
    // A settings file cut by a failed write would lose the remembered paths: the
    // old file stays until the new one is whole.
    return WriteFileSafely(file, updated, NewFileMode()) == WriteResult::Written;
}

int ReadSettingText(const char* section, const char* key, const char* defaultValue, char* buffer,
                    int capacity) {
    return ReadProfileText(SettingsFilePath(), section, key, defaultValue, buffer, capacity);
}

int ReadSettingInt(const char* section, const char* key, int defaultValue) {
    return ReadProfileInt(SettingsFilePath(), section, key, defaultValue);
}

bool WriteSettingText(const char* section, const char* key, const char* value) {
    return WriteProfileText(SettingsFilePath(), section, key, value);
}
