// The indexed "i-Check" and "i-Merge" against the line-by-line searches they
// replace (dialog_aids_oracle.h), on random dialog-text pairs: the same text,
// the same colour on every character of both panes, the same findings for the
// marks that remain, and the same changed flag, scroll positions, selections,
// undo and messages.
//
// VERBODEX_ORACLE_PAIRS sets how many pairs are tried (10,000 by default),
// VERBODEX_ORACLE_SEED the seed of the first (the others follow it). A mismatch
// is shown on the smallest pair that still shows it, with the seed it came from.
#include "aids/findings.h"
#include "aids/intlappl.h"
#include "aids/intldia2.h"
#include "app/control_ids.h"
#include "dialog_aids_oracle.h"
#include "headless_fixture.h"
#include "random_dialog_pair.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Aid = void (*)(FileKind&);

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// A colour no aid uses, so that lines an aid leaves alone stay apart.
constexpr Colour Unmarked = MakeColour(128, 128, 128);

// How the panes stand before the aid runs, drawn with the pair.
struct Setting {
    std::int32_t modified;
    std::int32_t firstVisible[2];
    std::int32_t selection[2][2];
    // Characters the translation may still grow by; -1: the window's limit.
    std::int32_t room;
};

Setting MakeSetting(std::uint64_t seed) {
    std::mt19937_64 random(seed ^ 0x5eed);
    Setting setting;
    setting.modified = static_cast<std::int32_t>(random() % 2);
    for (int pane = 0; pane < 2; ++pane) {
        setting.firstVisible[pane] = static_cast<std::int32_t>(random() % 30);
        setting.selection[pane][0] = static_cast<std::int32_t>(random() % 200);
        setting.selection[pane][1] = static_cast<std::int32_t>(random() % 200);
    }
    setting.room = random() % 100 < 15 ? static_cast<std::int32_t>(random() % 80) : -1;
    return setting;
}

struct ReportedFinding {
    std::int32_t firstColumn, lastColumn;
    Colour colour;
    std::string rule;
    std::int32_t values[2];
    bool operator==(const ReportedFinding&) const = default;
};

struct Findings : FindingSink {
    void Report(const Finding& f) override {
        last[{f.pane, f.line}] = ReportedFinding{
            f.firstColumn, f.lastColumn, f.colour, f.rule->id, {f.values[0], f.values[1]}};
    }
    // The finding reported last for each line.
    std::map<std::pair<int, std::int32_t>, ReportedFinding> last;
};

struct Outcome {
    std::string translation;
    std::vector<Colour> colours[2];
    // Where each line starts, and the text's length at the end.
    std::vector<std::int32_t> lineStarts[2];
    std::map<std::pair<int, std::int32_t>, ReportedFinding> findings;
    std::int32_t modified;
    std::int32_t firstVisible[2];
    std::int32_t selection[2][2];
    bool canUndo;
    std::size_t messages;
};

class DialogAidsOracle : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        SetFindingSink(&findings_);
    }
    void TearDown() override {
        SetFindingSink(nullptr);
        HeadlessTest::TearDown();
    }

    Outcome Run(Aid aid, const RandomDialogPair& pair, const Setting& setting) {
        const int panes[2] = {OriginalPane, TranslationPane};
        HeadlessPane& translation = platform.PaneById(TranslationPane);
        ConfigurePanes(); // the window's text limit and change notification
        // The aids never change the original's text, and the check not the
        // translation's: a text is set again only when it is another or changed.
        SetOnce(OriginalPane, JoinLines(pair.original, pair.lineEnds), originalText_);
        SetOnce(TranslationPane, JoinLines(pair.translation, pair.lineEnds), translationText_);
        if (setting.room >= 0) translation.SetTextLimit(translation.TextLength() + setting.room);
        for (int i = 0; i < 2; ++i) {
            HeadlessPane& pane = platform.PaneById(panes[i]);
            pane.SetAllColour(Unmarked);
            pane.LineScroll(setting.firstVisible[i] - pane.FirstVisibleLine());
            pane.SetSel(setting.selection[i][0], setting.selection[i][1]);
        }
        appState.modified = setting.modified;
        appState.fileKind = pair.kind;
        platform.messageBoxes.clear();
        findings_.last.clear();

        FileKind kind = pair.kind;
        aid(kind);

        Outcome out;
        out.translation = platform.GetControlText(TranslationPane);
        for (int i = 0; i < 2; ++i) {
            HeadlessPane& pane = platform.PaneById(panes[i]);
            out.colours[i] = pane.CharColours();
            out.firstVisible[i] = pane.FirstVisibleLine();
            pane.GetSel(out.selection[i][0], out.selection[i][1]);
            for (std::int32_t line = 0; line < pane.LineCount(); ++line)
                out.lineStarts[i].push_back(pane.LineIndex(line));
            out.lineStarts[i].push_back(pane.TextLength());
        }
        // Findings of marks that still show: a line marked red and later black
        // shows no fault, whatever was reported on the way.
        for (const auto& [place, finding] : findings_.last) {
            const int i = place.first == OriginalPane ? 0 : 1;
            const std::vector<std::int32_t>& starts = out.lineStarts[i];
            if (place.second < 0 || place.second + 1 >= static_cast<std::int32_t>(starts.size())) {
                continue;
            }
            bool shows = true;
            for (std::int32_t c = starts[place.second]; shows && c < starts[place.second + 1]; ++c)
                shows = out.colours[i][static_cast<std::size_t>(c)] == finding.colour;
            if (shows) out.findings[place] = finding;
        }
        out.modified = appState.modified;
        out.canUndo = translation.CanUndo();
        if (out.canUndo) translationText_.reset(); // changed by the merge
        out.messages = platform.messageBoxes.size();
        return out;
    }

    // What differs between the two outcomes; empty when nothing does.
    std::string Difference(Aid indexed, Aid literal, const RandomDialogPair& pair,
                           const Setting& setting) {
        const Outcome a = Run(indexed, pair, setting);
        const Outcome b = Run(literal, pair, setting);
        std::ostringstream out;
        if (a.translation != b.translation) {
            out << "translation text:\n  indexed " << a.translation << "\n  literal "
                << b.translation << "\n";
        }
        const char* const paneNames[2] = {"original", "translation"};
        for (int i = 0; i < 2; ++i) {
            if (a.colours[i] != b.colours[i]) {
                out << paneNames[i] << " colours by line:\n  indexed " << LineLetters(a, i)
                    << "\n  literal " << LineLetters(b, i) << "\n";
            }
            if (a.firstVisible[i] != b.firstVisible[i]) {
                out << paneNames[i] << " first visible line " << a.firstVisible[i] << " / "
                    << b.firstVisible[i] << "\n";
            }
            if (a.selection[i][0] != b.selection[i][0] || a.selection[i][1] != b.selection[i][1]) {
                out << paneNames[i] << " selection differs\n";
            }
        }
        if (a.findings != b.findings) {
            out << "findings:\n  indexed " << Describe(a.findings) << "\n  literal "
                << Describe(b.findings) << "\n";
        }
        if (a.modified != b.modified)
            out << "modified " << a.modified << " / " << b.modified << "\n";
        if (a.canUndo != b.canUndo) out << "undo " << a.canUndo << " / " << b.canUndo << "\n";
        if (a.messages != b.messages) {
            out << "messages " << a.messages << " / " << b.messages << "\n";
        }
        return out.str();
    }

    // Drops lines of either file as long as the difference stays.
    RandomDialogPair Shrink(Aid indexed, Aid literal, RandomDialogPair pair,
                            const Setting& setting) {
        for (bool dropped = true; dropped;) {
            dropped = false;
            for (DialogFile* file : {&pair.original, &pair.translation}) {
                for (std::size_t i = file->lines.size(); i-- > 0;) {
                    RandomDialogPair smaller = pair;
                    DialogFile& lines =
                        file == &pair.original ? smaller.original : smaller.translation;
                    lines.lines.erase(lines.lines.begin() + static_cast<std::ptrdiff_t>(i));
                    if (Difference(indexed, literal, smaller, setting).empty()) continue;
                    pair = smaller;
                    dropped = true;
                }
            }
        }
        return pair;
    }

  private:
    void SetOnce(int pane, const std::string& text, std::optional<std::string>& set) {
        if (set == text) return;
        SetPaneText(pane, text);
        set = text;
    }

    // For each line the letters of its colours in order (as LineColours, but a
    // line of two colours shows both).
    static std::string LineLetters(const Outcome& outcome, int i) {
        std::string out;
        const std::vector<std::int32_t>& starts = outcome.lineStarts[i];
        for (std::size_t line = 0; line + 1 < starts.size(); ++line) {
            std::string word;
            for (std::int32_t c = starts[line]; c < starts[line + 1]; ++c) {
                const char letter = ColourLetter(outcome.colours[i][static_cast<std::size_t>(c)]);
                if (word.empty() || word.back() != letter) word.push_back(letter);
            }
            if (line > 0) out += ' ';
            out += word.empty() ? "-" : word;
        }
        return out;
    }

    static std::string Describe(const std::map<std::pair<int, std::int32_t>, ReportedFinding>& f) {
        std::string out;
        for (const auto& [place, finding] : f) {
            out += (place.first == OriginalPane ? " O" : " T") + std::to_string(place.second) +
                   ":" + finding.rule;
        }
        return out;
    }

    Findings findings_;
    // What the panes hold; nullopt: not known.
    std::optional<std::string> originalText_;
    std::optional<std::string> translationText_;
};

void CheckAsWritten(FileKind& kind) { oracle::CheckEntries(kind); }
void MergeAsWritten(FileKind& kind) { oracle::MergeEntries(kind); }

TEST_F(DialogAidsOracle, indexedAidsMarkAndMergeExactlyAsTheLineByLineSearches) {
    const std::uint64_t pairs = FromEnvironment("VERBODEX_ORACLE_PAIRS", 10000);
    const std::uint64_t firstSeed = FromEnvironment("VERBODEX_ORACLE_SEED", 20240611);
    struct Compared {
        const char* name;
        Aid indexed;
        Aid literal;
    } const aids[] = {{"i-Check", CheckEntries, CheckAsWritten},
                      {"i-Merge", MergeEntries, MergeAsWritten}};

    for (std::uint64_t seed = firstSeed; seed < firstSeed + pairs; ++seed) {
        const RandomDialogPair pair = MakeRandomDialogPair(seed);
        const Setting setting = MakeSetting(seed);
        for (const Compared& aid : aids) {
            // The check serves DialogIni and DialogCprIni only.
            if (aid.indexed == CheckEntries && pair.kind == FileKind::DialogProgIni) continue;
            if (Difference(aid.indexed, aid.literal, pair, setting).empty()) continue;
            const RandomDialogPair smallest = Shrink(aid.indexed, aid.literal, pair, setting);
            FAIL() << aid.name << " differs, seed " << seed << ", on\n"
                   << DescribePair(smallest)
                   << Difference(aid.indexed, aid.literal, smallest, setting);
        }
    }
    RecordProperty("pairs", std::to_string(pairs));
}

} // namespace
