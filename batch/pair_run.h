// One pair (or, for "colour", one file) run as the editor would: loaded, the
// aid run, its marks taken with their rules, and a merge saved.
#pragma once

#include "batch/report.h"

#include <optional>
#include <string>

struct PairRequest {
    std::string command; // check, merge or colour
    // Empty for "colour".
    std::string original;
    std::string translation;
    // merge: the file to write instead of saving in place.
    std::optional<std::string> output;
};

// Runs the pair on a window of its own. Errors are told on standard error at
// once and kept in the report as well.
PairReport RunPair(const PairRequest& request);

// Tells an error on standard error as "verbodex-batch: MESSAGE" and keeps it.
void TellError(std::vector<std::string>& errors, const std::string& message);
