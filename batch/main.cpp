// verbodex-batch: the editor's aids without a window, for checks in a build
// pipeline. It runs the same loads, aids and save as the editor, on the headless
// platform, and prints the colour marks the editor would show.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "batch/marks.h"
#include "documents/loading.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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
      Loads the pair, runs "i-Merge", prints the marks and saves the translation
      as "Save" does (with a backup), or writes it to FILE.
  verbodex-batch colour FILE
      Loads FILE as the translation and prints the marks of "i-Color".
  verbodex-batch --help

Each mark is one line, PATH:LINE:FIRST-LAST: COLOUR, with COLOUR one of red,
magenta, blue, green. Exit status: 0 no line is red, 1 at least one line is red,
2 a usage error or a file that cannot be read or written.
)";

struct Arguments {
    std::string command;
    std::string original;
    std::string translation;
    std::optional<std::string> output;
};

int UsageError(const std::string& message) {
    std::cerr << "verbodex-batch: " << message << "\n"
              << "Try 'verbodex-batch --help'.\n";
    return StatusError;
}

// Whether the file can be loaded whole: it opens, is no folder, and is not cut
// at load (too long, or a NUL byte that would end the text early).
std::optional<std::string> LoadProblem(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return "is a directory";
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::strerror(errno);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return "read error";
    if (bytes.size() > static_cast<std::size_t>(LoadCapacity)) {
        return "longer than " + std::to_string(LoadCapacity) + " bytes; the editor would cut it";
    }
    if (bytes.find('\0') != std::string::npos) {
        return "holds a NUL byte; the editor would cut the text there";
    }
    if (path.size() >= static_cast<std::size_t>(PathCapacity)) {
        return "path longer than " + std::to_string(PathCapacity - 1) + " characters";
    }
    return std::nullopt;
}

void SetPath(char* path, std::int32_t& length, const std::string& text) {
    std::memcpy(path, text.c_str(), text.size() + 1);
    length = static_cast<std::int32_t>(text.size());
}

bool Load(HeadlessPlatform& platform, const std::string& path, bool original) {
    if (auto problem = LoadProblem(path)) {
        std::cerr << "verbodex-batch: cannot read " << path << ": " << *problem << "\n";
        return false;
    }
    if (original) {
        SetPath(appState.originalPath, appState.originalPathLength, path);
        platform.SendCommand(MakeCommand(LoadOriginalCommand));
        return appState.originalOpened == 1;
    }
    SetPath(appState.translationPath, appState.translationPathLength, path);
    platform.SendCommand(MakeCommand(LoadTranslationCommand));
    return appState.translationOpened == 1;
}

std::optional<Arguments> Parse(const std::vector<std::string>& words, int& status) {
    status = StatusError;
    if (words.empty()) {
        UsageError("no command given");
        return std::nullopt;
    }
    Arguments arguments;
    arguments.command = words[0];
    std::vector<std::string> files;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "--output" && arguments.command == "merge" && i + 1 < words.size()) {
            arguments.output = words[++i];
        } else if (words[i].size() > 1 && words[i][0] == '-') {
            UsageError("unknown option '" + words[i] + "'");
            return std::nullopt;
        } else {
            files.push_back(words[i]);
        }
    }
    std::size_t wanted = arguments.command == "colour" ? 1 : 2;
    if (arguments.command != "check" && arguments.command != "merge" &&
        arguments.command != "colour") {
        UsageError("unknown command '" + arguments.command + "'");
        return std::nullopt;
    }
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

// Saves the merged translation in place, or to the output file, as the editor's
// "Save" and "SaveAs ..." do. False (with a message) when the save failed.
bool Save(HeadlessPlatform& platform, const Arguments& arguments) {
    std::size_t shown = platform.messageBoxes.size();
    const std::string& target = arguments.output ? *arguments.output : arguments.translation;
    if (arguments.output) {
        if (arguments.output->size() >= static_cast<std::size_t>(PathCapacity)) {
            std::cerr << "verbodex-batch: cannot write " << target << ": path too long\n";
            return false;
        }
        platform.saveFileAnswers.push_back(*arguments.output);
        platform.SendCommand(MakeCommand(IdSaveAs));
    } else {
        platform.SendCommand(MakeCommand(IdSave));
    }
    if (appState.modified == 0 && platform.messageBoxes.size() == shown) return true;
    std::cerr << "verbodex-batch: cannot write " << target;
    if (platform.messageBoxes.size() > shown) {
        std::cerr << ": the save was refused (" << platform.messageBoxes.back().caption << ")";
    }
    std::cerr << "\n";
    return false;
}

int Run(const Arguments& arguments) {
    HeadlessPlatform platform;
    SetPlatform(&platform);
    ResetAppState();
    appState.windowHandle = &platform;
    ConfigurePanes();

    // The original first, then the translation, as at the editor's start: the
    // translation decides the kind.
    if (!arguments.original.empty() && !Load(platform, arguments.original, true)) {
        return StatusError;
    }
    if (!Load(platform, arguments.translation, false)) return StatusError;

    if (arguments.command == "check") {
        platform.SendCommand(MakeCommand(IdCheck));
    } else if (arguments.command == "merge") {
        platform.SendCommand(MakeCommand(IdMerge));
    } else {
        platform.SendCommand(MakeCommand(IdColour));
    }

    MarkCount count;
    if (!arguments.original.empty()) {
        count = PrintMarks(std::cout, OriginalPane, arguments.original);
    }
    MarkCount translation = PrintMarks(std::cout, TranslationPane, arguments.translation);
    std::cout.flush();

    if (arguments.command == "merge" && !Save(platform, arguments)) return StatusError;
    return count.redLines + translation.redLines > 0 ? StatusRed : StatusClean;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") {
            std::cout << usage;
            return StatusClean;
        }
    }
    int status = StatusError;
    std::optional<Arguments> arguments = Parse(words, status);
    if (!arguments) return status;
    return Run(*arguments);
}
