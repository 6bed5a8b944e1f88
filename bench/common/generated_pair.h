// Generated inputs for the benchmarks.
//
// A dialog-text pair of 1,000,000 bytes: a standard
// section, then sections of 20 to 200 entries with quoted values, references to
// the standard entries and comments; the translation lacks 10% of the
// original's entries (standard entries among them).
#pragma once

#include <string>

struct Pair {
    std::string original;
    std::string translation;
};

// The same pair on every call (made once).
const Pair& BigPair();

// 1,000,000 bytes of dialog-text-like lines of 20 to 60 characters, CR LF ended.
const std::string& BigText();
