#include "aids/merge_index.h"

#include "aids/entry_line.h"
#include "app/control_ids.h"

#include <algorithm>

MergeIndex::MergeIndex(std::int32_t count) : lines_(TranslationPane, count) {
    const std::int32_t lines = lines_.Count();
    nextHeader_.assign(static_cast<std::size_t>(lines) + 1, lines);
    for (std::int32_t m = lines - 1; m >= 0; --m) {
        const char* b = lines_.Text(m);
        const int n = lines_.Length(m);
        const bool header = n > 0 && b[0] == '[';
        nextHeader_[static_cast<std::size_t>(m)] =
            header ? m : nextHeader_[static_cast<std::size_t>(m) + 1];
    }
    for (std::int32_t m = 0; m < lines; ++m) {
        const char* b = lines_.Text(m);
        const int n = lines_.Length(m);
        if (n == 0 || b[0] == '[') continue;
        const int p = KeyLength(b, n);
        if (p > 0) keys_[std::string_view(b, static_cast<std::size_t>(p))].push_back(m);
    }
}

std::int32_t MergeIndex::NextHeader(std::int32_t from) const {
    if (from >= Count()) return Count();
    return nextHeader_[static_cast<std::size_t>(from)];
}

std::int32_t MergeIndex::FirstWithKey(std::int32_t from, std::string_view key) const {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return -1;
    const std::vector<std::int32_t>& lines = found->second;
    const auto line = std::lower_bound(lines.begin(), lines.end(), from);
    if (line == lines.end() || *line >= NextHeader(from)) return -1;
    return *line;
}
