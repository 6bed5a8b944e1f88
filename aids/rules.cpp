#include "aids/rules.h"

#include <iterator>

namespace {

const Rule* const allRules[] = {
    &Rules::HeaderWithoutBracket,
    &Rules::MalformedStandardEntry,
    &Rules::UnbalancedQuotes,
    &Rules::MalformedReference,
    &Rules::ReferenceBecameText,
    &Rules::ReferencePairUnbalancedQuotes,
    &Rules::Inserted,
};

} // namespace

std::span<const Rule* const> AllRules() { return {allRules, std::size(allRules)}; }
