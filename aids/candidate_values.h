// The lines that take part in "#-#" and their values, for a run of it (and for
// the batch tool's list of repeated values): every line of the translation is
// read once, whole, and its value numbered, equal values alike, so that counting
// the lines of a value is a look-up instead of a read of every later line.
#pragma once

#include "app/app_state.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Whether a line (its text without the line end) takes part: it is not empty,
// does not start with "[", "#", ";" or "!", holds "=", and the character after
// its first "=" is not "#" (it is no reference yet). Its value: DialogIni the
// text between its first two double quotes, which it must have, the first one
// after the "=" with only blanks between and before any trailing comment;
// DialogCprIni the text after the first "=" up to the trimmed length.
bool CandidateValueOf(FileKind kind, std::string_view line, std::string_view& value);

class CandidateValues {
  public:
    static constexpr std::int32_t NoValue = -1;

    // Reads lines 0 to count - 1 of TranslationPane.
    CandidateValues(FileKind kind, std::int32_t count);

    // For each line read, the number of its value; NoValue for a line that does
    // not take part. An aid that changes the pane keeps this in step with it.
    std::vector<std::int32_t>& Lines() { return lines_; }
    const std::vector<std::int32_t>& Lines() const { return lines_; }

    // The number of the value of a line (its text without the line end), given
    // the next free number when the value is new; NoValue when the line does not
    // take part.
    std::int32_t ValueOfLine(std::string_view line);
    std::string_view Text(std::int32_t value) const {
        return texts_[static_cast<std::size_t>(value)];
    }
    std::int32_t ValueCount() const { return static_cast<std::int32_t>(texts_.size()); }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>()(text);
        }
    };

    FileKind kind_;
    std::vector<std::int32_t> lines_;
    // The values in order of their numbers; a deque keeps them in place, so the
    // keys of `numbers_` may look into them.
    std::deque<std::string> texts_;
    std::unordered_map<std::string_view, std::int32_t, Hash, std::equal_to<>> numbers_;
};
