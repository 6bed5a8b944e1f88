// The pane search against its steps as they read, on random texts of few
// letters with long lines: backwards, RichEdit_FindText against the steps from
// match to match (stepwise_find.h); forwards, the pane's find against a try of
// every start in order.
//
// VERBODEX_SEARCH_ORACLE_TEXTS sets how many texts are tried (1,000 by default,
// eight searches each), VERBODEX_SEARCH_ORACLE_SEED the seed of the first (the
// others follow it).
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "platform/pane_rules.h"
#include "stepwise_find.h"
#include "text/cp1252.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// The first start in [from, to - m] of the text to find in `paneText`.
std::int32_t EveryStartInOrder(const std::string& paneText, std::int32_t from, std::int32_t to,
                               const char* text) {
    const std::string pattern = PaneText(text);
    const std::int32_t length = static_cast<std::int32_t>(paneText.size());
    const std::int32_t m = static_cast<std::int32_t>(pattern.size());
    if (m == 0) return -1;
    if (to < 0 || to > length) to = length;
    for (std::int32_t p = std::max(from, 0); p + m <= to; ++p) {
        std::int32_t k = 0;
        while (k < m && Cp1252Upper(static_cast<unsigned char>(paneText[p + k])) ==
                            Cp1252Upper(static_cast<unsigned char>(pattern[k])))
            ++k;
        if (k == m) return p;
    }
    return -1;
}

using SearchOracleTest = HeadlessTest;

TEST_F(SearchOracleTest, backwardsTheLastStepForwardsTheFirstStart) {
    const std::uint64_t texts = FromEnvironment("VERBODEX_SEARCH_ORACLE_TEXTS", 1000);
    const std::uint64_t firstSeed = FromEnvironment("VERBODEX_SEARCH_ORACLE_SEED", 20261207);
    Pane& pane = platform.PaneById(TranslationPane);
    for (std::uint64_t t = 0; t < texts; ++t) {
        const std::uint64_t seed = firstSeed + t;
        RandomSearches random(seed);
        const std::string text = random.Text();
        SetPaneText(TranslationPane, text);
        const std::string paneText = PaneText(text.c_str());
        const std::int32_t length = static_cast<std::int32_t>(paneText.size());
        ASSERT_EQ(pane.TextLength(), length);
        for (int search = 0; search < 8; ++search) {
            const std::string pattern = random.Pattern(paneText);
            const std::int32_t a = random.Index(length);
            const std::int32_t b = random.Index(length);
            const std::int32_t low = std::min(a, b);
            const std::int32_t high = std::max(a, b);
            const std::string where = "seed " + std::to_string(seed) + ", text of " +
                                      std::to_string(length) + ", " +
                                      testing::PrintToString(pattern) + " in " +
                                      std::to_string(low) + ".." + std::to_string(high);
            const std::int32_t forwards =
                RichEdit_FindText(TranslationPane, low, high, pattern.c_str());
            ASSERT_EQ(forwards, EveryStartInOrder(paneText, low, high, pattern.c_str())) << where;
            if (high == low) continue;
            const std::int32_t backwards =
                RichEdit_FindText(TranslationPane, high, low, pattern.c_str());
            ASSERT_EQ(backwards, StepwiseBackwardFind(pane, high, low, pattern.c_str()))
                << "backwards, " << where;
        }
    }
}

} // namespace
