// Golden cases of the aids. Each folder under data/aids holds an original and a
// translation, the file kind, the command ("check", "merge" or "standard", the
// last with the file "answers": one answer to its dialog a line, "yes", "yes
// NAME", "ok", "no", "next" or "cancel"), the translation expected afterwards
// and the expected colour letter of every line of both panes. A line of more
// than one colour ('?') is then given character by character, its line end
// included, as "original 3: ..RRR." (1-based line). Every case runs twice, with
// CR LF and with LF line ends, and must give the same result. On a mismatch the
// actual results are written beside the expected ones as *.new files.
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "resources/standard_entry_dialog.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path casesRoot = fs::path(VERBODEX_TEST_DATA) / "aids";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(casesRoot)) {
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The text with every CR LF and every lone LF written as `lineEnd`.
std::string WithLineEnds(const std::string& text, const char* lineEnd) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) ++i;
        if (text[i] == '\n') {
            out += lineEnd;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string WithLf(const std::string& text) { return WithLineEnds(text, "\n"); }

enum class LineEnds { CrLf, Lf };

// A colour no aid uses, so that every line an aid leaves alone shows as '.'.
constexpr Colour Unmarked = MakeColour(128, 128, 128);

class AidsGolden : public HeadlessTest,
                   public ::testing::WithParamInterface<std::tuple<std::string, LineEnds>> {
  protected:
    // The summary line of a pane, then one line for each of its lines of more
    // than one colour.
    std::string ColoursOf(int pane, const char* name) {
        const std::string letters = LineColours(pane);
        std::string out = std::string(name) + ": " + letters + "\n";
        HeadlessPane& p = platform.PaneById(pane);
        for (std::size_t line = 0; line < letters.size(); ++line) {
            if (letters[line] != '?') continue;
            const std::int32_t from = p.LineIndex(static_cast<std::int32_t>(line));
            const std::int32_t to = line + 1 < letters.size()
                                        ? p.LineIndex(static_cast<std::int32_t>(line + 1))
                                        : p.TextLength();
            out += std::string(name) + " " + std::to_string(line + 1) + ": ";
            for (std::int32_t i = from; i < to; ++i)
                out.push_back(ColourLetter(p.CharColour(i)));
            out += "\n";
        }
        return out;
    }
};

TEST_P(AidsGolden, MatchesExpectedTextAndColours) {
    const auto& [name, lineEnds] = GetParam();
    const fs::path folder = casesRoot / name;
    auto input = [&](const char* file) {
        return WithLineEnds(ReadFile(folder / file), lineEnds == LineEnds::CrLf ? "\r\n" : "\n");
    };

    SetPaneText(OriginalPane, input("original.txt"));
    SetPaneText(TranslationPane, input("translation.txt"));
    platform.PaneById(OriginalPane).SetAllColour(Unmarked);
    platform.PaneById(TranslationPane).SetAllColour(Unmarked);
    appState.fileKind = static_cast<FileKind>(std::stoi(ReadFile(folder / "kind")));
    std::string command = ReadFile(folder / "command");
    command = command.substr(0, command.find_first_of(" \r\n"));
    ASSERT_TRUE(command == "check" || command == "merge" || command == "standard") << command;
    if (command == "standard") {
        std::istringstream answers(WithLf(ReadFile(folder / "answers")));
        for (std::string answer; std::getline(answers, answer);) {
            const std::string word = answer.substr(0, answer.find(' '));
            std::optional<std::string> name;
            if (answer.size() > word.size()) name = answer.substr(word.size() + 1);
            const int button = word == "yes"    ? IDYES
                               : word == "ok"   ? IDOK
                               : word == "no"   ? IDNO
                               : word == "next" ? IdEntryNext
                                                : IDCANCEL;
            platform.dialogAnswers.push_back(DialogAnswer{button, name});
        }
    }

    const int id = command == "check" ? IdCheck : command == "merge" ? IdMerge : IdStandardEntries;
    platform.SendCommand(MakeCommand(id));

    const std::string translation = WithLf(platform.GetControlText(TranslationPane));
    const std::string colours =
        ColoursOf(OriginalPane, "original") + ColoursOf(TranslationPane, "translation");
    const std::string expectedTranslation = WithLf(ReadFile(folder / "expected_translation.txt"));
    const std::string expectedColours = WithLf(ReadFile(folder / "expected_colours.txt"));

    EXPECT_EQ(translation, expectedTranslation);
    EXPECT_EQ(colours, expectedColours);
    if (translation != expectedTranslation) {
        WriteFile(folder / "actual_translation.txt.new", translation);
    }
    if (colours != expectedColours) WriteFile(folder / "actual_colours.txt.new", colours);
}

INSTANTIATE_TEST_SUITE_P(Cases, AidsGolden,
                         ::testing::Combine(::testing::ValuesIn(CaseNames()),
                                            ::testing::Values(LineEnds::CrLf, LineEnds::Lf)),
                         [](const ::testing::TestParamInfo<AidsGolden::ParamType>& info) {
                             return std::get<0>(info.param) +
                                    (std::get<1>(info.param) == LineEnds::CrLf ? "_crlf" : "_lf");
                         });

} // namespace
