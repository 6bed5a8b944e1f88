// Generated DIALOG.INI translations for "#-#", made once per shape and size:
//
// - Mixed: a comment line, then sections of 20 to 200 entries; a quarter of the
//   entries hold one of 3,000 common texts, the most common of them in hundreds
//   of entries, the rarest in one or two; the rest hold texts of their own,
//   references or comments. The run makes the standard section at line 0.
// - LateRepeat: every entry holds a text of its own but the last two, which
//   share one: the first dialog comes only at the end of the file.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

enum class RepeatShape { Mixed, LateRepeat };

inline std::string RepeatedValuesWord(std::mt19937& random, int minLength, int maxLength) {
    std::string word;
    const int length = minLength + static_cast<int>(random() % (maxLength - minLength + 1));
    for (int i = 0; i < length; ++i)
        word.push_back(static_cast<char>('a' + random() % 26));
    return word;
}

inline std::string MakeRepeatedValuesTranslation(std::size_t bytes, RepeatShape shape) {
    std::mt19937 random(1032);
    std::string common[3000];
    for (std::string& text : common)
        text = RepeatedValuesWord(random, 3, 12) + " " + RepeatedValuesWord(random, 3, 12);
    std::string file = "; Dialog texts (generated)\r\n";
    file.reserve(bytes + 512);
    constexpr std::size_t Reserve = 300; // room for the last lines
    int unique = 0;
    for (int section = 0; file.size() < bytes - Reserve; ++section) {
        file += "\r\n[SECTION" + std::to_string(section) + "]\r\n";
        const int entries = 20 + static_cast<int>(random() % 181);
        for (int e = 0; e < entries && file.size() < bytes - Reserve; ++e) {
            const std::string key = "KEY" + std::to_string(e) + "=";
            const unsigned roll = random() % 20;
            std::string value = RepeatedValuesWord(random, 5, 30) + std::to_string(unique++);
            if (shape == RepeatShape::Mixed && roll < 5) {
                // Skewed towards the first texts: a cube of a uniform number.
                const double u = static_cast<double>(random()) / random.max();
                value = common[static_cast<std::size_t>(u * u * u * 2999)];
            } else if (shape == RepeatShape::Mixed && roll == 5) {
                file += key + "#STD" + std::to_string(random() % 300) + "#\r\n";
                continue;
            } else if (roll == 6) {
                file += "; " + RepeatedValuesWord(random, 5, 30) + "\r\n";
                continue;
            }
            file += key + "\"" + value + "\"\r\n";
        }
    }
    const std::string last = "LAST=\"the same text at the end\"\r\n";
    file += last;
    file += last;
    file += ";" + std::string(bytes - file.size() - 3, '-') + "\r\n";
    return file;
}

// The same text on every call with the same size and shape.
inline const std::string& RepeatedValuesTranslation(std::size_t bytes, RepeatShape shape) {
    static std::map<std::pair<std::size_t, RepeatShape>, std::string> files;
    auto found = files.find({bytes, shape});
    if (found == files.end())
        found =
            files.emplace(std::make_pair(bytes, shape), MakeRepeatedValuesTranslation(bytes, shape))
                .first;
    return found->second;
}

// The answers of a long run, the same every time: mostly Yes, often Next, and
// with `withNo` now and then No (which raises the least count offered, so that
// the run ends sooner).
inline int RepeatedValuesAnswer(std::mt19937& random, bool withNo) {
    const unsigned roll = random() % 100;
    return roll < 55 ? 6 /* Yes */ : (roll < 98 || !withNo) ? 8 /* Next */ : 7 /* No */;
}

// How long a run kept the translator waiting, in milliseconds: from the click to
// the first dialog, and from each answer to the next dialog (the longest and the
// mean wait).
struct DialogWaits {
    double first = 0;
    double longest = 0;
    double mean = 0;

    // Keeps the worst of each figure over the runs of a benchmark.
    void KeepWorst(const DialogWaits& run) {
        first = std::max(first, run.first);
        longest = std::max(longest, run.longest);
        mean = std::max(mean, run.mean);
    }
};

// The benchmark's counters: how many dialogs a run showed and its worst waits.
template <typename State>
void ReportWaits(State& state, std::size_t dialogs, const DialogWaits& worst) {
    state.counters["dialogs"] = static_cast<double>(dialogs);
    state.counters["firstMs"] = worst.first;
    state.counters["longestGapMs"] = worst.longest;
    state.counters["meanGapMs"] = worst.mean;
}

inline DialogWaits WaitsOf(std::chrono::steady_clock::time_point click,
                           const std::vector<std::chrono::steady_clock::time_point>& shown,
                           const std::vector<std::chrono::steady_clock::time_point>& answered) {
    auto ms = [](std::chrono::steady_clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    DialogWaits waits;
    if (shown.empty()) return waits;
    waits.first = ms(shown.front() - click);
    double sum = 0;
    for (std::size_t k = 1; k < shown.size() && k <= answered.size(); ++k) {
        const double wait = ms(shown[k] - answered[k - 1]);
        waits.longest = std::max(waits.longest, wait);
        sum += wait;
    }
    if (shown.size() > 1) waits.mean = sum / static_cast<double>(shown.size() - 1);
    return waits;
}
