#include "documents/outcomes.h"

#include <cstddef>

namespace {

#define VERBODEX_OUTCOME_REASON(name, reason) reason,
constexpr const char* loadReasons[] = {VERBODEX_LOAD_RESULTS(VERBODEX_OUTCOME_REASON)};
constexpr const char* saveReasons[] = {VERBODEX_SAVE_RESULTS(VERBODEX_OUTCOME_REASON)};
#undef VERBODEX_OUTCOME_REASON

} // namespace

const char* ReasonOf(LoadResult result) { return loadReasons[static_cast<std::size_t>(result)]; }

const char* ReasonOf(SaveResult result) { return saveReasons[static_cast<std::size_t>(result)]; }

std::string ReasonOf(const LoadOutcome& outcome) {
    if (outcome.result == LoadResult::DoesNotOpen && outcome.error) return outcome.error.message();
    return ReasonOf(outcome.result);
}
