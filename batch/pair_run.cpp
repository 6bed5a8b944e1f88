#include "batch/pair_run.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/dispatch.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "platform/headless/headless_platform.h"
#include "text/cp1252.h"

#include <cstdint>
#include <iostream>

namespace {

// Whether TranslationPane refused input at its text limit during the aid: the
// batch tool watches the pane's notifications on their way to the dispatcher.
bool translationPaneFull = false;

bool WatchCommand(std::uint32_t command, CommandParameter parameter) {
    if (command == MakeCommand(TranslationPane, EN_MAXTEXT)) translationPaneFull = true;
    return DispatchCommand(command, parameter);
}

// Where letter case does not tell files apart (Windows), a path reaches the
// loader in capitals, as a path chosen in the editor's file dialog does there:
// the same file opens, and the endings that decide the kind are compared as
// capitals. Elsewhere capitals would name another file.
std::string AsChosen(std::string path) {
    if (FileNamesAreCaseSensitive()) return path;
    for (char& c : path)
        c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
    return path;
}

// Loads the file into its pane as the editor's start-up does. False (with an
// error) when it did not arrive whole: the marks of a part of a file would look
// like those of the whole.
bool Load(const std::string& path, bool original, PairReport& report) {
    const std::string chosen = AsChosen(path);
    const LoadOutcome outcome = original ? LoadOriginalFrom(chosen) : LoadTranslationFrom(chosen);
    if (outcome.Whole()) return true;
    TellError(report.errors, "cannot read " + path + ": " + ReasonOf(outcome));
    return false;
}

// Saves the merged translation in place as the editor's "Save" does, with its
// backup, or writes it to the output file as the save writes, but without the
// save's backup: the output is a new file, and the backup's name (the last three
// characters replaced by "bak") may belong to an unrelated file. An unchanged
// translation is not saved in place: the file already holds it, and a new backup
// would only replace the old one. False (with an error) when the save failed.
bool Save(const PairRequest& request, PairReport& report) {
    // The original is what the translation is kept in step with: never written.
    if (request.output && SameFile(*request.output, request.original)) {
        TellError(report.errors, "cannot write " + *request.output + ": it is the original");
        return false;
    }
    SaveOutcome outcome;
    if (request.output && !SameFile(*request.output, request.translation)) {
        outcome = WriteTranslation(*request.output);
    } else if (appState.modified == 0) {
        return true;
    } else {
        outcome = SaveTranslation(false);
    }
    if (outcome.Saved()) {
        // Saved, but the previous content is in no backup: one line on standard
        // error to say so, which is no error.
        if (outcome.result != SaveResult::Saved) {
            TellError(report.warnings, outcome.path + ": " + ReasonOf(outcome.result));
        }
        return true;
    }
    TellError(report.errors, "cannot write " + outcome.path + ": " + ReasonOf(outcome.result));
    return false;
}

std::uint32_t AidCommand(const std::string& command) {
    if (command == "check") return MakeCommand(IdCheck);
    if (command == "merge") return MakeCommand(IdMerge);
    return MakeCommand(IdColour);
}

PairReport Failed(PairReport report) {
    report.outcome = PairOutcome::Failed;
    report.status = StatusError;
    report.files.clear();
    return report;
}

// The pair on the platform the caller made current.
PairReport RunOn(HeadlessPlatform& platform, const PairRequest& request) {
    PairReport report;
    report.original = request.original;
    report.translation = request.translation;

    // The original first, then the translation, as at the editor's start: the
    // translation decides the kind.
    // Only "colour" runs without an original; an empty ORIGINAL names no file.
    const bool withOriginal = request.command != "colour";
    if (withOriginal && !Load(request.original, true, report)) return Failed(report);
    if (!Load(request.translation, false, report)) return Failed(report);

    const std::size_t shown = platform.messageBoxes.size();
    translationPaneFull = false;
    FindingLog log;
    SetFindingSink(&log);
    platform.SendCommand(AidCommand(request.command));
    SetFindingSink(nullptr);
    // A merge stops at the first line the full pane refuses, after telling so in
    // a message box; the partly merged text is neither reported nor saved. No aid
    // shows any other message; should one, its marks are not trusted either.
    if (translationPaneFull || platform.messageBoxes.size() > shown) {
        std::string message = request.command + " stopped in " + request.translation + ": ";
        if (translationPaneFull) {
            message += "the translation pane is full (it takes at most " +
                       std::to_string(platform.PaneById(TranslationPane).TextLimit()) +
                       " characters)";
        } else {
            message += "refused (" + platform.messageBoxes[shown].caption + ")";
        }
        TellError(report.errors, message + "; nothing was saved");
        return Failed(report);
    }

    if (withOriginal) {
        report.files.push_back({request.original, PaneMarks(OriginalPane, log.findings)});
    }
    report.files.push_back({request.translation, PaneMarks(TranslationPane, log.findings)});

    // i-Merge does nothing for masks (nor for files of no known kind): there is
    // nothing to save, not even to the output file.
    const bool mergeRuns =
        request.command == "merge" && FileKindRowOf(appState.fileKind).merge != nullptr;
    if (mergeRuns && !Save(request, report)) {
        // The marks were found and are reported; the save is what failed.
        report.outcome = PairOutcome::Failed;
        report.status = StatusError;
        return report;
    }
    int red = 0;
    for (const FileMarks& file : report.files)
        red += RedLines(file.marks);
    report.status = red > 0 ? StatusRed : StatusClean;
    return report;
}

} // namespace

void TellError(std::vector<std::string>& errors, const std::string& message) {
    std::cerr << "verbodex-batch: " << message << "\n";
    errors.push_back(message);
}

PairReport RunPair(const PairRequest& request) {
    HeadlessPlatform platform;
    WindowProcedures procedures = CommandProcedures();
    procedures.command = WatchCommand;
    platform.SetWindowProcedures(procedures);
    SetPlatform(&platform);
    ResetAppState();
    appState.windowHandle = platform.MainWindowHandle();
    ConfigurePanes();
    PairReport report = RunOn(platform, request);
    SetPlatform(nullptr);
    return report;
}
