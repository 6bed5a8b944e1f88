#include "aids/candidate_values.h"

#include "aids/entry_line.h"
#include "app/control_ids.h"
#include "panes/richedit.h"

bool CandidateValueOf(FileKind kind, std::string_view line, std::string_view& value) {
    const char* text = line.data();
    const int n = static_cast<int>(line.size());
    if (ClassifyLine(text, n) != LineClass::Entry) return false;
    const int e = KeyLength(text, n);
    if (e < n && text[e] == '#') return false; // already a reference
    // A DialogIni entry without its pair of quotes has no text to share: taking
    // it for an empty one would replace what it holds ('WIDTH=100') by a
    // reference to an empty standard entry.
    const EntryValue v = ValueOf(kind, text, n);
    if (!v.present) return false;
    if (kind == FileKind::DialogIni) {
        // The reference replaces everything from the "=" to the closing quote:
        // only blanks may stand before the opening quote ('WIDTH=100 "px"' would
        // lose its number), and a quote pair in a trailing comment
        // ('WIDTH=100 ;"px"') is no text of the entry.
        const int open = v.start - 2; // 0-based
        for (int c = e; c < open; ++c) {
            if (text[c] != ' ' && text[c] != '\t') return false;
        }
        if (open < e || open >= ScanQuotes(text, n).effectiveLength) return false;
    }
    value = line.substr(static_cast<std::size_t>(v.start - 1), static_cast<std::size_t>(v.length));
    return true;
}

CandidateValues::CandidateValues(FileKind kind, std::int32_t count) : kind_(kind) {
    lines_.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    char read[LineCapacity];
    std::string whole;
    for (std::int32_t m = 0; m < count; ++m) {
        const int n = RichEdit_GetTextLine(TranslationPane, m, read, LineCapacity);
        ReadWholeLine(TranslationPane, m, read, n, whole);
        lines_.push_back(ValueOfLine(whole));
    }
}

std::int32_t CandidateValues::ValueOfLine(std::string_view line) {
    std::string_view value;
    if (!CandidateValueOf(kind_, line, value)) return NoValue;
    if (auto found = numbers_.find(value); found != numbers_.end()) return found->second;
    const std::int32_t number = ValueCount();
    texts_.emplace_back(value);
    numbers_.emplace(texts_.back(), number);
    return number;
}
