// "i-Check" and "i-Merge" on a dialog-text original of 1,000,000 bytes:
// a standard section, then sections of 20 to 200 entries with quoted values,
// references to the standard entries and comments; the translation lacks 10% of
// the original's entries (standard entries among them).
#include "app/app_state.h"
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

constexpr std::size_t FileBytes = 1000000;
constexpr int StandardEntries = 300;
constexpr int TranslationLimit = 999990;

struct Pair {
    std::string original;
    std::string translation;
};

std::string Word(std::mt19937& random, int minLength, int maxLength) {
    std::string word;
    const int length = minLength + static_cast<int>(random() % (maxLength - minLength + 1));
    for (int i = 0; i < length; ++i)
        word.push_back(static_cast<char>('a' + random() % 26));
    return word;
}

// Appends one line to both files, or to the original alone when it is missing
// from the translation.
void AddLine(Pair& pair, std::mt19937& random, const std::string& original,
             const std::string& translation, bool mayBeMissing) {
    pair.original += original + "\r\n";
    if (!mayBeMissing || random() % 10 != 0) pair.translation += translation + "\r\n";
}

const Pair& BigPair() {
    static const Pair pair = [] {
        std::mt19937 random(1722);
        Pair p;
        p.original.reserve(FileBytes + 512);
        p.translation.reserve(FileBytes + 512);
        AddLine(p, random, "[STANDARD]", "[STANDARD]", false);
        for (int i = 0; i < StandardEntries; ++i) {
            const std::string name = "#STD" + std::to_string(i) + "#=\"";
            AddLine(p, random, name + Word(random, 3, 12) + "\"", name + Word(random, 3, 12) + "\"",
                    true);
        }
        int section = 0;
        constexpr std::size_t Reserve = 300; // room for the last line
        while (p.original.size() < FileBytes - Reserve) {
            const std::string header = "[SECTION" + std::to_string(section++) + "]";
            AddLine(p, random, "", "", false);
            AddLine(p, random, header, header, false);
            const int entries = 20 + static_cast<int>(random() % 181);
            for (int e = 0; e < entries && p.original.size() < FileBytes - Reserve; ++e) {
                const std::string key = "KEY" + std::to_string(e) + "=";
                const unsigned roll = random() % 20;
                if (roll < 5) {
                    const std::string reference =
                        key + "#STD" + std::to_string(random() % StandardEntries) + "#";
                    AddLine(p, random, reference, reference, true);
                } else if (roll == 5) {
                    AddLine(p, random, "; " + Word(random, 5, 30), "; " + Word(random, 5, 30),
                            false);
                } else {
                    AddLine(p, random, key + "\"" + Word(random, 5, 40) + "\"",
                            key + "\"" + Word(random, 5, 40) + "\"", true);
                }
            }
        }
        // The original ends at exactly 1,000,000 bytes with a comment line; the
        // translation, lacking its 10%, is smaller, so that the merged
        // translation still fits its pane.
        const std::string last = ";" + std::string(FileBytes - p.original.size() - 3, '-');
        AddLine(p, random, last, last, false);
        return p;
    }();
    return pair;
}

struct BigPair_Panes {
    HeadlessPlatform platform;
    BigPair_Panes() {
        SetPlatform(&platform);
        ResetAppState();
        platform.PaneById(OriginalPane).SetTextLimit(TranslationLimit);
        platform.PaneById(TranslationPane).SetTextLimit(TranslationLimit);
        RichEdit_SetText(OriginalPane, BigPair().original.c_str());
        RichEdit_SetText(TranslationPane, BigPair().translation.c_str());
        appState.fileKind = DialogIni;
    }
    ~BigPair_Panes() { SetPlatform(nullptr); }
};

void BM_Check(benchmark::State& state) {
    BigPair_Panes panes;
    for (auto _ : state)
        panes.platform.SendCommand(MakeCommand(IdCheck));
    state.counters["originalLines"] = RichEdit_GetLineCount(OriginalPane);
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_Merge(benchmark::State& state) {
    BigPair_Panes panes;
    std::int32_t inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, BigPair().translation.c_str());
        const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
        state.ResumeTiming();
        panes.platform.SendCommand(MakeCommand(IdMerge));
        inserted = RichEdit_GetLineCount(TranslationPane) - before;
    }
    state.counters["insertedLines"] = inserted;
}
BENCHMARK(BM_Merge)->Unit(benchmark::kMillisecond);

} // namespace
