// What "i-Merge" looks up in the translation, found once per run instead of by
// a walk forward from the search start for every line of the original: the next
// line that starts with "[" and, for each key, the lines that hold it.
//
// It describes the translation as it stood when the merge began. The merge only
// inserts, and always at its search start, which never moves back: the lines at
// and after the search start are still those of the beginning, in order, so
// their old line numbers are all the index needs.
#pragma once

#include "aids/pane_lines.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class MergeIndex {
  public:
    // Reads and indexes lines 0 to count - 1 of TranslationPane.
    explicit MergeIndex(std::int32_t count);

    std::int32_t Count() const { return lines_.Count(); }
    const char* Text(std::int32_t line) const { return lines_.Text(line); }
    int Length(std::int32_t line) const { return lines_.Length(line); }

    // The first line at or after `from` that starts with "[", or Count().
    std::int32_t NextHeader(std::int32_t from) const;
    // The first line from `from` on, before NextHeader(from), whose key (its
    // start up to its first "=") is key; -1 when there is none.
    std::int32_t FirstWithKey(std::int32_t from, std::string_view key) const;

  private:
    PaneLines lines_; // what the keys point into
    std::vector<std::int32_t> nextHeader_;
    std::unordered_map<std::string_view, std::vector<std::int32_t>> keys_;
};
