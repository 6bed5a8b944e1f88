// verbodex-batch: the editor's aids without a window, for checks in a build
// pipeline. It runs the same loads, aids and save as the editor, on the headless
// platform, and prints the colour marks the editor would show.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/dispatch.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "batch/marks.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int StatusClean = 0;
constexpr int StatusRed = 1;
constexpr int StatusError = 2;

const char usage[] = R"(Usage:
  verbodex-batch check ORIGINAL TRANSLATION
      Loads the pair as the editor does (the translation decides the kind), runs
      "i-Check" and prints the marks.
  verbodex-batch merge ORIGINAL TRANSLATION [--output FILE]
      Loads the pair, runs "i-Merge", prints the marks and, when the merge
      changed the translation, saves it as "Save" does (with a backup; a save
      without one says so on standard error); with --output it writes FILE
      instead (no backup). A file is replaced only once its new content is whole.
      "i-Merge" does nothing for mask files: nothing is saved or written for them.
  verbodex-batch colour FILE
      Loads FILE as the translation and prints the marks of "i-Color".
  verbodex-batch --help

Each mark is one line, PATH:LINE:FIRST-LAST: COLOUR, with COLOUR one of red,
magenta, blue, green. Exit status: 0 no line is red, 1 at least one line is red,
2 a usage error, a file that cannot be read or written, a save declined because
the old translation could be kept nowhere (a read-only folder without a backup),
or a merge that stopped because the translation is full (nothing is saved then).
)";

struct Arguments {
    std::string command;
    std::string original;
    std::string translation;
    std::optional<std::string> output;
};

// A usage error is one line on standard error.
int UsageError(const std::string& message) {
    std::cerr << "verbodex-batch: " << message << " (try 'verbodex-batch --help')\n";
    return StatusError;
}

// Loads the file into its pane as the editor's start-up does. False (with a
// message) when it did not arrive whole: the marks of a part of a file would
// look like those of the whole.
bool Load(const std::string& path, bool original) {
    const LoadOutcome outcome = original ? LoadOriginalFrom(path) : LoadTranslationFrom(path);
    if (outcome.Whole()) return true;
    std::cerr << "verbodex-batch: cannot read " << path << ": " << ReasonOf(outcome) << "\n";
    return false;
}

// The command line; nullopt after a usage error, which it has reported.
std::optional<Arguments> Parse(const std::vector<std::string>& words) {
    if (words.empty()) {
        UsageError("no command given");
        return std::nullopt;
    }
    Arguments arguments;
    arguments.command = words[0];
    if (arguments.command != "check" && arguments.command != "merge" &&
        arguments.command != "colour") {
        UsageError("unknown command '" + arguments.command + "'");
        return std::nullopt;
    }
    std::vector<std::string> files;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "--output" && arguments.command == "merge") {
            // The next word is the file, whatever it looks like.
            if (i + 1 == words.size()) {
                UsageError("--output needs a FILE");
                return std::nullopt;
            }
            if (arguments.output) {
                UsageError("--output given twice");
                return std::nullopt;
            }
            arguments.output = words[++i];
        } else if (words[i].size() > 1 && words[i][0] == '-') {
            UsageError("unknown option '" + words[i] + "'");
            return std::nullopt;
        } else {
            files.push_back(words[i]);
        }
    }
    std::size_t wanted = arguments.command == "colour" ? 1 : 2;
    if (files.size() != wanted) {
        UsageError("'" + arguments.command + "' takes " + std::to_string(wanted) +
                   (wanted == 1 ? " file" : " files"));
        return std::nullopt;
    }
    if (wanted == 1) {
        arguments.translation = files[0];
    } else {
        arguments.original = files[0];
        arguments.translation = files[1];
    }
    return arguments;
}

// Whether TranslationPane refused input at its text limit during the aid: the
// batch tool watches the pane's notifications on their way to the dispatcher.
bool translationPaneFull = false;

bool WatchCommand(std::uint32_t command, CommandParameter parameter) {
    if (command == MakeCommand(TranslationPane, EN_MAXTEXT)) translationPaneFull = true;
    return DispatchCommand(command, parameter);
}

// Saves the merged translation in place as the editor's "Save" does, with its
// backup, or writes it to the output file as the save writes, but without the
// save's backup: the output is a new file, and the backup's name (the last three
// characters replaced by "bak") may belong to an unrelated file. An unchanged
// translation is not saved in place: the file already holds it, and a new backup
// would only replace the old one. False (with a message) when the save failed.
bool Save(const Arguments& arguments) {
    SaveOutcome outcome;
    if (arguments.output && !SameFile(*arguments.output, arguments.translation)) {
        outcome = WriteTranslation(*arguments.output);
    } else if (appState.modified == 0) {
        return true;
    } else {
        outcome = SaveTranslation(false);
    }
    if (outcome.Saved()) {
        // Saved, but the previous content is in no backup: one line to say so.
        if (outcome.result != SaveResult::Saved) {
            std::cerr << "verbodex-batch: " << outcome.path << ": " << ReasonOf(outcome.result)
                      << "\n";
        }
        return true;
    }
    std::cerr << "verbodex-batch: cannot write " << outcome.path << ": " << ReasonOf(outcome.result)
              << "\n";
    return false;
}

int Run(const Arguments& arguments) {
    HeadlessPlatform platform;
    WindowProcedures procedures = CommandProcedures();
    procedures.command = WatchCommand;
    platform.SetWindowProcedures(procedures);
    SetPlatform(&platform);
    ResetAppState();
    appState.windowHandle = platform.MainWindowHandle();
    ConfigurePanes();

    // The original first, then the translation, as at the editor's start: the
    // translation decides the kind.
    if (!arguments.original.empty() && !Load(arguments.original, true)) return StatusError;
    if (!Load(arguments.translation, false)) return StatusError;

    const std::size_t shown = platform.messageBoxes.size();
    translationPaneFull = false;
    if (arguments.command == "check") {
        platform.SendCommand(MakeCommand(IdCheck));
    } else if (arguments.command == "merge") {
        platform.SendCommand(MakeCommand(IdMerge));
    } else {
        platform.SendCommand(MakeCommand(IdColour));
    }
    // A merge stops at the first line the full pane refuses, after telling so in
    // a message box; the partly merged text is neither printed nor saved. No aid
    // shows any other message; should one, its marks are not trusted either.
    if (translationPaneFull || platform.messageBoxes.size() > shown) {
        std::cerr << "verbodex-batch: " << arguments.command << " stopped in "
                  << arguments.translation << ": ";
        if (translationPaneFull) {
            std::cerr << "the translation pane is full (it takes at most "
                      << platform.PaneById(TranslationPane).TextLimit() << " characters)";
        } else {
            std::cerr << "refused (" << platform.messageBoxes[shown].caption << ")";
        }
        std::cerr << "; nothing was saved\n";
        return StatusError;
    }

    MarkCount count;
    if (!arguments.original.empty()) {
        count = PrintMarks(std::cout, OriginalPane, arguments.original);
    }
    MarkCount translation = PrintMarks(std::cout, TranslationPane, arguments.translation);
    std::cout.flush();

    // i-Merge does nothing for masks (nor for files of no known kind): there is
    // nothing to save, not even to the output file.
    const bool mergeRuns =
        arguments.command == "merge" && FileKindRowOf(appState.fileKind).merge != nullptr;
    if (mergeRuns && !Save(arguments)) return StatusError;
    return count.redLines + translation.redLines > 0 ? StatusRed : StatusClean;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (!words.empty() && words[0] == "--help") {
        std::cout << usage;
        return StatusClean;
    }
    std::optional<Arguments> arguments = Parse(words);
    if (!arguments) return StatusError;
    return Run(*arguments);
}
