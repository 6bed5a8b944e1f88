// Generated inputs for the benchmarks.
//
// BigPair: a dialog-text pair of 1,000,000 bytes: a standard section, then
// sections of 20 to 200 entries with quoted values, references to the standard
// entries and comments; the translation lacks 10% of the original's entries
// (standard entries among them).
//
// LaggingPair: a dialog-text pair shaped like a translation that lags its original: a
// standard section of 300 entries, then sections of 20 to 200 entries with
// quoted values, references to the standard entries and comments. The
// translation lacks the whole standard section, 3% of the sections (each with
// all its entries) and 10% of the entries of the other sections; 2% of the
// references it keeps hold the translator's own text instead, so that the merge
// has standard entries to pre-translate.
#pragma once

#include <cstddef>
#include <string>

struct Pair {
    std::string original;
    std::string translation;
    // Of a lagging pair: sections of the original (the standard section
    // included) and how many of them the translation lacks.
    int sections = 0;
    int missingSections = 0;
};

// The same pair on every call (made once).
const Pair& BigPair();

// The lagging pair whose original has exactly `originalBytes` bytes (at least
// 10,000), the same on every call with the same size (made once per size).
const Pair& LaggingPair(std::size_t originalBytes);

// 1,000,000 bytes of dialog-text-like lines of 20 to 60 characters, CR LF ended.
const std::string& BigText();
