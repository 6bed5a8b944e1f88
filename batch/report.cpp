#include "batch/report.h"

#include <algorithm>

const Rule TranslationMissing{
    "translation-missing",
    "The translation folder has no file of this name (compared exactly, then without regard "
    "to case)."};

int StatusOf(const RunReport& report) {
    int status = report.errors.empty() ? StatusClean : StatusError;
    for (const PairReport& pair : report.pairs)
        status = std::max(status, pair.status);
    return status;
}
