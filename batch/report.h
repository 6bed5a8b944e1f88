// What one run of the batch tool found, kept until the end of the run and then
// written in the format asked for.
#pragma once

#include "aids/rules.h"
#include "batch/marks.h"

#include <string>
#include <vector>

// Exit statuses, the worst of all pairs.
constexpr int StatusClean = 0;
constexpr int StatusRed = 1;
constexpr int StatusError = 2;

// A file of the original folder whose translation the translation folder does
// not hold; it counts as red.
extern const Rule TranslationMissing;

// The marks of one file, under its path as printed.
struct FileMarks {
    std::string path;
    std::vector<Mark> marks;
};

enum class PairOutcome {
    Ran,     // loaded, the aid ran (and a merge saved what it changed)
    Missing, // folder mode: the translation folder has no file of the name
    Failed,  // a file could not be read or saved, or the aid stopped
};

struct PairReport {
    // Empty for "colour", which has no original.
    std::string original;
    std::string translation;
    PairOutcome outcome = PairOutcome::Ran;
    int status = StatusClean;
    // The lines told on standard error, without the tool's name in front: the
    // errors, then the lines that are none (a save that kept no backup).
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    // The original's marks first, then the translation's; empty unless the aid
    // ran (a merge whose save failed keeps them).
    std::vector<FileMarks> files;
};

struct RunReport {
    std::string command; // check, merge or colour
    std::vector<PairReport> pairs;
    // Errors that belong to no pair (a folder that cannot be listed).
    std::vector<std::string> errors;
    int status = StatusClean;
};

// The worst status of the pairs and of the run's own errors.
int StatusOf(const RunReport& report);
