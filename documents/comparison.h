// Handing both files to the comparison program the translator has configured
// (key DIFFVIEW of section PATH in verbodex.ini).
#pragma once

#include <string>
#include <vector>

// Capacity of the DIFFVIEW value as it is read, its NUL included.
constexpr int ComparisonSettingCapacity = 1024;

// Splits a configured command into words as a command line is split, but by the
// program itself, so that no shell ever sees it: blanks and tabs separate words;
// a double quote starts a part in which blanks belong to the word, and the next
// double quote ends it; inside such a part two double quotes stand for one. The
// quotes themselves are no part of the word (`""` alone is an empty word), an
// unclosed part runs to the end, and every other character, the backslash
// included, stands for itself.
std::vector<std::string> SplitCommandWords(const std::string& command);

// Command 1018 "Diff": reads DIFFVIEW afresh and starts its program, without
// waiting for it, with the value's further words and then the original's and
// the translation's paths as two more arguments, each whole however long it is
// and whatever it holds. Without a value (or with one of blanks only) nothing
// happens. The translation is neither saved nor asked about: the program
// compares the files as they are on disk.
void StartComparisonViewer();
