// The backward find as its steps read: the pane only finds forwards, so the
// search steps from match to match through [to, from] and keeps the last. The
// one-pass backward find of RichEdit_FindText is compared with it on random
// texts (backward_search_oracle_test.cpp, and a few on every pane kind in
// pane_contract.h).
#pragma once

#include "platform/pane.h"
#include "platform/pane_rules.h"

#include <cstdint>
#include <random>
#include <string>

inline std::int32_t StepwiseBackwardFind(Pane& pane, std::int32_t from, std::int32_t to,
                                         const char* text) {
    std::int32_t found = -1;
    std::int32_t match = pane.FindText(to, from, text);
    while (match >= 0) {
        found = match;
        if (match + 1 > from) break;
        match = pane.FindText(match + 1, from, text);
    }
    return found;
}

// Random searches on texts of few letters, so that matches repeat and overlap:
// lines empty, short, or up to two whole pieces of a search long, broken
// by CR LF, lone CR or lone LF, the last one with or without a break.
class RandomSearches {
  public:
    explicit RandomSearches(std::uint64_t seed) : random_(seed) {}

    std::string Text() {
        static const char* const breaks[] = {"\r\n", "\r", "\n"};
        const std::int32_t piece = static_cast<std::int32_t>(SearchPiece);
        std::string text;
        const int lines = 1 + Below(5);
        for (int line = 0; line < lines; ++line) {
            std::int32_t size = 0;
            switch (Below(6)) {
            case 0:
                size = 0;
                break;
            case 1:
                size = Below(2 * piece + 8);
                break;
            default:
                size = Below(40);
                break;
            }
            for (std::int32_t i = 0; i < size; ++i)
                text.push_back(Letter());
            if (line + 1 < lines || Below(2) == 0) text += breaks[Below(3)];
        }
        return text;
    }

    // A text to find: mostly a piece of `paneText` (the text as the pane holds
    // it, CR breaks) with its letters' case changed at random, sometimes letters
    // at random, a break written as CR LF or LF, or nothing at all.
    std::string Pattern(const std::string& paneText) {
        const int kind = Below(20);
        if (kind == 0) return "";
        std::string pattern;
        const std::int32_t length = static_cast<std::int32_t>(paneText.size());
        const std::int32_t size = kind == 1 ? 1 + Below(300) : 1 + Below(4);
        if (kind == 2 || length == 0) {
            for (std::int32_t i = 0; i < size; ++i)
                pattern.push_back(Letter());
            return pattern;
        }
        pattern = paneText.substr(static_cast<std::size_t>(Below(length)),
                                  static_cast<std::size_t>(size));
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            char& c = pattern[i];
            if (c == 'a' || c == 'A') c = Below(2) == 0 ? 'a' : 'A';
            if (c == '\xE4' || c == '\xC4') c = Below(2) == 0 ? '\xE4' : '\xC4';
            if (c == '\r' && Below(3) == 0) pattern.insert(++i, 1, '\n');
        }
        return pattern;
    }

    // An end of a search range: anywhere in the text, a little outside it, or
    // one of the ends callers pass.
    std::int32_t Index(std::int32_t length) {
        switch (Below(8)) {
        case 0:
            return 0;
        case 1:
            return length;
        case 2:
            return -1 - Below(3);
        case 3:
            return length + 1 + Below(3);
        default:
            return Below(length + 1);
        }
    }

  private:
    std::int32_t Below(std::int32_t n) { return static_cast<std::int32_t>(random_() % n); }
    // 'a' and 'A', '\xE4' and '\xC4' are case pairs; '\xF7' and '\xD7' are not.
    char Letter() {
        static const char letters[] = {'a', 'a', 'A', 'b', '\xE4', '\xC4', '\xF7', '\xD7'};
        return letters[Below(static_cast<std::int32_t>(sizeof letters))];
    }

    std::mt19937_64 random_;
};
