// verbodex-batch: the editor's aids without a window, for checks in a build
// pipeline. It runs the same loads, aids and save as the editor, on the headless
// platform, and prints the colour marks the editor would show.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "batch/marks.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
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
      changed the translation, saves it as "Save" does (with a backup); with
      --output it writes FILE instead (no backup). "i-Merge" does nothing for
      mask files: nothing is saved or written for them.
  verbodex-batch colour FILE
      Loads FILE as the translation and prints the marks of "i-Color".
  verbodex-batch --help

Each mark is one line, PATH:LINE:FIRST-LAST: COLOUR, with COLOUR one of red,
magenta, blue, green. Exit status: 0 no line is red, 1 at least one line is red,
2 a usage error, a file that cannot be read or written, or a merge that
stopped because the translation is full (nothing is saved then).
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

// Whether the file can be loaded whole: it opens, is no folder, and is not cut
// at load (too long, or a NUL byte that would end the text early). Reads no more
// than the loader does, one byte beyond its capacity, so that a huge file is
// judged without reading it whole.
std::optional<std::string> LoadProblem(const std::string& path) {
    if (path.size() >= static_cast<std::size_t>(PathCapacity)) {
        return "path longer than " + std::to_string(PathCapacity - 1) + " characters";
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status)) return "is a directory";
    // The editor loads only regular files; a named pipe would also block here.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return "is not a regular file";
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::strerror(errno);
    std::string bytes(static_cast<std::size_t>(LoadCapacity) + 1, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError) return "read error";
    if (bytes.size() > static_cast<std::size_t>(LoadCapacity)) {
        return "longer than " + std::to_string(LoadCapacity) + " bytes; the editor would cut it";
    }
    if (bytes.find('\0') != std::string::npos) {
        return "holds a NUL byte; the editor would cut the text there";
    }
    return std::nullopt;
}

void SetPath(char* path, std::int32_t& length, const std::string& text) {
    std::memcpy(path, text.c_str(), text.size() + 1);
    length = static_cast<std::int32_t>(text.size());
}

// Loads the file into its pane as the editor's start-up does. False (with a
// message) when it cannot be read, or would not be loaded whole.
bool Load(HeadlessPlatform& platform, const std::string& path, bool original) {
    std::optional<std::string> problem = LoadProblem(path);
    if (!problem) {
        // The loader tells of a cut file in a message box; the file may have
        // changed since it was looked at.
        const std::size_t shown = platform.messageBoxes.size();
        bool opened = false;
        if (original) {
            SetPath(appState.originalPath, appState.originalPathLength, path);
            platform.SendCommand(MakeCommand(LoadOriginalCommand));
            opened = appState.originalOpened == 1;
        } else {
            SetPath(appState.translationPath, appState.translationPathLength, path);
            platform.SendCommand(MakeCommand(LoadTranslationCommand));
            opened = appState.translationOpened == 1;
        }
        if (!opened) {
            problem = "the editor could not open it";
        } else if (platform.messageBoxes.size() > shown) {
            problem = "the editor did not load it whole";
        }
    }
    if (!problem) return true;
    std::cerr << "verbodex-batch: cannot read " << path << ": " << *problem << "\n";
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

// The reason a message box of the save or the merge gives, in short English;
// a row is found by the start of the box's text, which is the editor's German.
struct BoxReason {
    const char* textStart;
    const char* reason;
};

// What the pane's full-text notification shows.
const char fullPaneText[] = "Textbox voll!";

const BoxReason boxReasons[] = {
    {fullPaneText, "the translation pane is full"},
    {"Zieldatei kann nicht", "cannot open it for writing"},
    {"Alloc-Error", "out of memory"},
    {"Text-Puffer zu klein!", "text buffer too small"},
    {"Der Text ist zu lang zum Speichern",
     "the text is longer than 1000000 bytes; the file was left unchanged"},
    {"Zieldatei wurde nicht", "not (or not completely) written; read-only or disk full?"},
    {"Die \xDC"
     "bersetzungsdatei wurde beim Laden nicht",
     "the translation was not loaded whole"},
};

std::string ReasonOf(const ShownMessageBox& box) {
    for (const BoxReason& row : boxReasons) {
        if (box.text.starts_with(row.textStart)) return row.reason;
    }
    return "refused (" + box.caption + ")";
}

// Writes the translation to the output file as the save writes it, but without
// the save's backup: the output is a new file, and the backup's name (the last
// three characters replaced by "bak") may belong to an unrelated file. False
// (with a message) when it failed.
bool WriteOutput(HeadlessPlatform& platform, const std::string& path) {
    const std::size_t shown = platform.messageBoxes.size();
    if (WriteTranslation(path)) return true;
    std::cerr << "verbodex-batch: cannot write " << path << ": "
              << (platform.messageBoxes.size() > shown ? ReasonOf(platform.messageBoxes[shown])
                                                       : "the write did not complete")
              << "\n";
    return false;
}

// Saves the merged translation in place as the editor's "Save" does, with its
// backup, or writes it to the output file. An unchanged translation is not saved
// in place: the file already holds it, and a new backup would only replace the
// old one. False (with a message) when the save failed.
bool Save(HeadlessPlatform& platform, const Arguments& arguments) {
    if (arguments.output && !SameFile(*arguments.output, arguments.translation)) {
        return WriteOutput(platform, *arguments.output);
    }
    if (appState.modified == 0) return true;
    const std::size_t shown = platform.messageBoxes.size();
    platform.SendCommand(MakeCommand(IdSave));
    if (appState.modified == 0 && platform.messageBoxes.size() == shown) return true;
    std::cerr << "verbodex-batch: cannot write " << arguments.translation << ": "
              << (platform.messageBoxes.size() > shown ? ReasonOf(platform.messageBoxes[shown])
                                                       : "the save did not complete")
              << "\n";
    return false;
}

int Run(const Arguments& arguments) {
    HeadlessPlatform platform;
    platform.SetWindowProcedures(CommandProcedures());
    SetPlatform(&platform);
    ResetAppState();
    appState.windowHandle = platform.MainWindowHandle();
    ConfigurePanes();

    // The original first, then the translation, as at the editor's start: the
    // translation decides the kind.
    if (!arguments.original.empty() && !Load(platform, arguments.original, true)) {
        return StatusError;
    }
    if (!Load(platform, arguments.translation, false)) return StatusError;

    const std::size_t shown = platform.messageBoxes.size();
    if (arguments.command == "check") {
        platform.SendCommand(MakeCommand(IdCheck));
    } else if (arguments.command == "merge") {
        platform.SendCommand(MakeCommand(IdMerge));
    } else {
        platform.SendCommand(MakeCommand(IdColour));
    }
    // A merge stops at the first line the full pane refuses, after telling so in
    // a message box; the partly merged text is neither printed nor saved.
    if (platform.messageBoxes.size() > shown) {
        const ShownMessageBox& box = platform.messageBoxes[shown];
        std::cerr << "verbodex-batch: " << arguments.command << " stopped in "
                  << arguments.translation << ": " << ReasonOf(box);
        if (box.text == fullPaneText) {
            std::cerr << " (it takes at most " << platform.PaneById(TranslationPane).TextLimit()
                      << " characters)";
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
    if (mergeRuns && !Save(platform, arguments)) return StatusError;
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
