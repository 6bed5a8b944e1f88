// The indexed "#-#" against its steps as they read (standard_entries_oracle.h),
// on random translations answered at random: the same dialogs with the same
// messages and names, the same text, the same colour on every character, the
// same findings, and the same undo steps, changed flag, beeps and messages.
//
// VERBODEX_STANDARD_ORACLE_RUNS sets how many translations are tried (3,000 by
// default), VERBODEX_STANDARD_ORACLE_SEED the seed of the first. A mismatch is
// shown on the smallest translation that still shows it.
#include "aids/findings.h"
#include "aids/standard_entries.h"
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "random_dialog_pair.h"
#include "resources/standard_entry_dialog.h"
#include "standard_entries_oracle.h"

#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Aid = void (*)(FileKind&);
using Random = std::mt19937_64;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

template <typename T, std::size_t N> const T& Pick(Random& random, const T (&items)[N]) {
    return items[random() % N];
}

bool Chance(Random& random, int percent) { return static_cast<int>(random() % 100) < percent; }

// Few values, so that they repeat; some differ only in case, in a trailing
// blank, or after the 320 characters of the line buffer.
const std::string values[] = {"OK",
                              "Ok",
                              "OK ",
                              "",
                              "Abbrechen (J/N)",
                              "Gr\xF6\xDF"
                              "e in %",
                              "x",
                              "#X#",
                              std::string(330, 'L'),
                              std::string(330, 'L') + "M"};

// Names a translator might type: the proposal kept, names without "#" or with
// quotes (whose entries and references take part again), empty ones, names
// with a line break, an "=" or a "#" inside or unframed (refused), and a long
// one.
const std::string names[] = {"#N#",
                             "N",
                             "OK",
                             "\"Q\"",
                             "#A=B#",
                             "",
                             "x\ny",
                             "##",
                             "#A#B#",
                             "#X",
                             "#" + std::string(300, 'N') + "#"};

std::string Entry(Random& random, FileKind kind) {
    const std::string key = Pick(random, {"A", "B", "KEY", "K1"}) + std::string("=");
    const std::string& value = Pick(random, values);
    if (kind == FileKind::DialogCprIni) return key + value + (Chance(random, 20) ? "  " : "");
    std::string line = key + "\"" + value + "\"";
    if (Chance(random, 15)) line += Chance(random, 50) ? " ;note" : "   ";
    return line;
}

std::string Line(Random& random, FileKind kind) {
    switch (random() % 14) {
    case 0:
        return "[S" + std::to_string(random() % 3) + "]";
    case 1:
        return "#X#=\"x\"";
    case 2:
        return Pick(random, {";A=\"OK\"", "!B=\"OK\"", "free text", ""});
    case 3:
        return Pick(random, {"A=#OK#", "B=#X#", "WIDTH=100", "K=\"open", "K=", "=\"OK\"",
                             "WIDTH=100 ;\"OK\"", "C= \"OK\"", "D=x \"OK\""});
    default:
        return Entry(random, kind);
    }
}

struct Trial {
    DialogFile file;
    FileKind kind;
    LineEnds lineEnds;
    // Characters the translation may still grow by; -1: the window's limit.
    std::int32_t room;
    std::vector<DialogAnswer> answers;
};

Trial MakeTrial(std::uint64_t seed) {
    Random random(seed);
    Trial trial;
    trial.kind = Chance(random, 50) ? FileKind::DialogIni : FileKind::DialogCprIni;
    trial.lineEnds = Pick(random, {LineEnds::CrLf, LineEnds::Lf, LineEnds::Mixed});
    const int count = static_cast<int>(random() % 30);
    for (int i = 0; i < count; ++i)
        trial.file.lines.push_back(Line(random, trial.kind));
    if (!trial.file.lines.empty() && Chance(random, 40)) {
        trial.file.lines[0] = Pick(random, {"[STANDARD]", "[STANDARD] ;x", "[Standard]"});
    }
    trial.file.endsWithLineEnd = Chance(random, 70);
    trial.room = Chance(random, 15) ? static_cast<std::int32_t>(random() % 60) : -1;
    const int answers = static_cast<int>(random() % 12);
    for (int i = 0; i < answers; ++i) {
        const int roll = static_cast<int>(random() % 100);
        if (roll < 50) {
            DialogAnswer yes{roll < 45 ? IDYES : IDOK, std::nullopt};
            if (Chance(random, 40)) yes.edited = Pick(random, names);
            trial.answers.push_back(yes);
        } else {
            trial.answers.push_back(DialogAnswer{roll < 70   ? IDNO
                                                 : roll < 95 ? IdEntryNext
                                                             : IDCANCEL,
                                                 std::nullopt});
        }
    }
    return trial;
}

struct Outcome {
    std::string translation;
    std::vector<Colour> colours;
    std::map<std::int32_t, std::string> findings; // the rule last reported for each line
    std::vector<std::string> dialogs;
    // The text after each undo, until nothing is left to undo.
    std::vector<std::string> undone;
    std::int32_t modified;
    int beeps;
    std::size_t messages;
    std::int32_t selection[2];
    std::int32_t firstVisible;
    bool operator==(const Outcome&) const = default;
};

struct Findings : FindingSink {
    void Report(const Finding& f) override {
        last[f.line] = std::string(f.rule->id) + "/" + std::to_string(f.values[0]);
    }
    std::map<std::int32_t, std::string> last;
};

// A colour no aid uses, so that lines the run leaves alone stay apart.
constexpr Colour Unmarked = MakeColour(128, 128, 128);

class StandardEntriesOracle : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ConfigurePanes();
        SetFindingSink(&findings_);
    }
    void TearDown() override {
        SetFindingSink(nullptr);
        HeadlessTest::TearDown();
    }

    Outcome Run(Aid aid, const Trial& trial) {
        HeadlessPane& pane = platform.PaneById(TranslationPane);
        pane.SetTextLimit(999990);
        SetPaneText(TranslationPane, JoinLines(trial.file, trial.lineEnds));
        pane.SetAllColour(Unmarked);
        if (trial.room >= 0) pane.SetTextLimit(pane.TextLength() + trial.room);
        pane.SetSel(3, 9);
        pane.LineScroll(2 - pane.FirstVisibleLine());
        while (pane.CanUndo())
            pane.Undo();
        appState.modified = 0;
        appState.fileKind = trial.kind;
        platform.dialogAnswers.assign(trial.answers.begin(), trial.answers.end());
        platform.shownDialogs.clear();
        platform.messageBoxes.clear();
        platform.beeps = 0;
        // The platform notes every change notification; a long run would keep
        // millions of them.
        platform.sentCommands.clear();
        platform.sentParameters.clear();
        findings_.last.clear();

        FileKind kind = trial.kind;
        aid(kind);

        Outcome out;
        out.translation = platform.GetControlText(TranslationPane);
        out.colours = pane.CharColours();
        out.findings = findings_.last;
        for (const ShownDialog& dialog : platform.shownDialogs) {
            out.dialogs.push_back(dialog.caption + "|" + dialog.texts.at(IdEntryMessage) + "|" +
                                  dialog.texts.at(IdEntryName) + "|" +
                                  std::to_string(dialog.result));
        }
        out.modified = appState.modified;
        out.beeps = platform.beeps;
        out.messages = platform.messageBoxes.size();
        pane.GetSel(out.selection[0], out.selection[1]);
        out.firstVisible = pane.FirstVisibleLine();
        for (int undo = 0; pane.CanUndo() && undo < 40; ++undo) {
            pane.Undo();
            out.undone.push_back(platform.GetControlText(TranslationPane));
        }
        return out;
    }

    std::string Difference(const Trial& trial) {
        const Outcome indexed = Run(OfferStandardEntries, trial);
        const Outcome literal = Run(oracle::OfferStandardEntries, trial);
        if (indexed == literal) return "";
        std::ostringstream out;
        auto dialogs = [](const Outcome& o) {
            std::string text;
            for (const std::string& d : o.dialogs)
                text += "\n    " + d;
            return text;
        };
        out << "dialogs:\n  indexed" << dialogs(indexed) << "\n  literal" << dialogs(literal)
            << "\n";
        if (indexed.translation != literal.translation) {
            out << "translation:\n  indexed " << indexed.translation << "\n  literal "
                << literal.translation << "\n";
        }
        if (indexed.colours != literal.colours) out << "colours differ\n";
        if (indexed.findings != literal.findings) out << "findings differ\n";
        if (indexed.undone != literal.undone) out << "undo steps differ\n";
        if (indexed.modified != literal.modified || indexed.beeps != literal.beeps ||
            indexed.messages != literal.messages) {
            out << "modified, beeps or messages differ\n";
        }
        return out.str();
    }

    Trial Shrink(Trial trial) {
        for (bool dropped = true; dropped;) {
            dropped = false;
            for (std::size_t i = trial.file.lines.size(); i-- > 0;) {
                Trial smaller = trial;
                smaller.file.lines.erase(smaller.file.lines.begin() +
                                         static_cast<std::ptrdiff_t>(i));
                if (Difference(smaller).empty()) continue;
                trial = smaller;
                dropped = true;
            }
        }
        return trial;
    }

  private:
    Findings findings_;
};

TEST_F(StandardEntriesOracle, indexedRunOffersAndChangesExactlyAsTheStepsRead) {
    const std::uint64_t runs = FromEnvironment("VERBODEX_STANDARD_ORACLE_RUNS", 3000);
    const std::uint64_t firstSeed = FromEnvironment("VERBODEX_STANDARD_ORACLE_SEED", 20240704);
    std::uint64_t offered = 0;
    for (std::uint64_t seed = firstSeed; seed < firstSeed + runs; ++seed) {
        const Trial trial = MakeTrial(seed);
        const std::string difference = Difference(trial);
        offered += platform.shownDialogs.size();
        if (difference.empty()) continue;
        const Trial smallest = Shrink(trial);
        RandomDialogPair described;
        described.translation = smallest.file;
        described.kind = smallest.kind;
        FAIL() << "seed " << seed << " differs on\n"
               << DescribePair(described) << Difference(smallest);
    }
    RecordProperty("runs", std::to_string(runs));
    RecordProperty("dialogs", std::to_string(offered));
}

} // namespace
