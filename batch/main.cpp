// verbodex-batch: the editor's aids without a window, for checks in a build
// pipeline. It runs the same loads, aids and save as the editor, on the headless
// platform, and reports the colour marks the editor would show, with the rule
// behind each red and magenta one.
#include "app/paths.h"
#include "batch/folders.h"
#include "batch/formats.h"
#include "batch/pair_run.h"
#include "batch/repeats.h"
#include "text/cp1252.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const char usage[] = R"(Usage:
  verbodex-batch check ORIGINAL TRANSLATION [--format FORMAT]
      Loads the pair as the editor does (the translation decides the kind), runs
      "i-Check" and prints the marks.
  verbodex-batch merge ORIGINAL TRANSLATION [--output FILE] [--format FORMAT]
      Loads the pair, runs "i-Merge", prints the marks and, when the merge
      changed the translation, saves it as "Save" does (with a backup; a save
      without one says so on standard error); with --output it writes FILE
      instead (no backup). A file is replaced only once its new content is whole.
      "i-Merge" does nothing for mask files: nothing is saved or written for them.
  verbodex-batch check|merge ORIGINAL_DIR TRANSLATION_DIR [--format FORMAT]
      Folder mode, when ORIGINAL is a folder: every regular file directly in
      ORIGINAL_DIR that the command serves (check: DIALOG.INI, DIALOGCPR.INI,
      masks, menus; merge: the three dialog-text files and menus), in byte order
      of the names, runs as a pair with the file of the same name in
      TRANSLATION_DIR (compared exactly, then without regard to case). A name
      the translation folder lacks prints TRANSLATION_DIR/NAME: missing and
      counts as red; files only in the translation folder are ignored.
  verbodex-batch colour FILE [--format FORMAT]
      Loads FILE as the translation and prints the marks of "i-Color".
  verbodex-batch repeats FILE
      Loads FILE as the translation and, for DIALOG.INI and DIALOGCPR.INI,
      prints each value that "#-#" would offer (one that at least two entries
      hold) once, in the order of its first entry, as COUNT<TAB>NAME<TAB>VALUE:
      how many entries hold it, the name the dialog proposes, the value; in
      UTF-8. Other files print nothing; no file is changed. It takes no option:
      --format and --output do not apply to these lines and are a usage error.
      Exit status 0, or 2 for a usage error or a file that cannot be read.
  verbodex-batch --help

Each mark is one line, PATH:LINE:FIRST-LAST: COLOUR, with COLOUR one of red,
magenta, blue, green (--format text, the default). --format json prints one
JSON document for the run, every mark with the rule behind the red and magenta
ones; --format sarif a SARIF 2.1.0 log with one result for each red (error)
and magenta (note) mark; --format github one workflow command for each red
mark, ::error file=PATH,line=LINE,col=FIRST,endColumn=LAST,title=RULE::SENTENCE.
Exit status, over all pairs: 0 no line is red, 1 at least one line is red (or
a translation is missing), 2 a usage error, a file that cannot be read or
written, a save declined because the old translation could be kept nowhere (a
read-only folder without a backup), or a merge that stopped because the
translation is full (nothing is saved then); the other pairs still run.
)";

struct Arguments {
    std::string command;
    std::string original;
    std::string translation;
    std::optional<std::string> output;
    ReportFormat format = ReportFormat::Text;
};

// A usage error is one line on standard error.
int UsageError(const std::string& message) {
    std::cerr << "verbodex-batch: " << message << " (try 'verbodex-batch --help')\n";
    return StatusError;
}

// The word after an option, which is taken whatever it looks like; false (with
// a usage error) when there is none or the option came before.
bool OptionValue(const std::vector<std::string>& words, std::size_t& i, bool given,
                 const char* what, std::string& value) {
    if (i + 1 == words.size()) {
        UsageError(words[i] + " needs " + what);
        return false;
    }
    if (given) {
        UsageError(words[i] + " given twice");
        return false;
    }
    value = words[++i];
    return true;
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
    bool formatGiven = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string value;
        if (words[i] == "--output" && arguments.command == "merge") {
            if (!OptionValue(words, i, arguments.output.has_value(), "a FILE", value)) {
                return std::nullopt;
            }
            arguments.output = value;
        } else if (words[i] == "--format") {
            if (!OptionValue(words, i, formatGiven, "a FORMAT", value)) return std::nullopt;
            if (!ParseReportFormat(value, arguments.format)) {
                UsageError("unknown format '" + value + "' (text, json, sarif or github)");
                return std::nullopt;
            }
            formatGiven = true;
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

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(NativePath(path), ignored);
}

// Every pair of the two folders, one after the other; a pair that fails does not
// stop the others.
void RunFolders(const Arguments& arguments, RunReport& report) {
    if (!IsFolder(arguments.translation)) {
        std::error_code error;
        const bool exists = std::filesystem::exists(NativePath(arguments.translation), error);
        TellError(report.errors, "cannot read " + arguments.translation + ": " +
                                     (exists ? "is not a directory" : "No such file or directory"));
        return;
    }
    std::vector<FolderPair> pairs;
    std::string reason;
    if (!ListFolderPairs(arguments.command, arguments.original, arguments.translation, pairs,
                         reason)) {
        TellError(report.errors, "cannot read " + reason);
        return;
    }
    for (const FolderPair& pair : pairs) {
        if (pair.translation.empty()) {
            PairReport missing;
            missing.original = pair.original;
            missing.translation = pair.missingPath;
            missing.outcome = PairOutcome::Missing;
            missing.status = StatusRed;
            report.pairs.push_back(missing);
            continue;
        }
        report.pairs.push_back(
            RunPair(PairRequest{arguments.command, pair.original, pair.translation, {}}));
    }
}

int Run(const Arguments& arguments) {
    RunReport report;
    report.command = arguments.command;
    const bool folders = arguments.command != "colour" && IsFolder(arguments.original);
    if (folders && arguments.output) {
        return UsageError("--output takes a pair of files, not folders");
    }
    if (folders) {
        RunFolders(arguments, report);
    } else {
        report.pairs.push_back(RunPair(PairRequest{arguments.command, arguments.original,
                                                   arguments.translation, arguments.output}));
    }
    // The text and github formats print nothing for a pair that failed; the
    // documents of the other two always stand, so that a pipeline can read them.
    WriteReport(std::cout, arguments.format, report);
    std::cout.flush();
    return StatusOf(report);
}

int RunCommand(const std::vector<std::string>& words) {
    if (!words.empty() && words[0] == "--help") {
        std::cout << usage;
        return StatusClean;
    }
    if (!words.empty() && words[0] == "repeats") {
        return RunRepeats(std::vector<std::string>(words.begin() + 1, words.end()), std::cout);
    }
    std::optional<Arguments> arguments = Parse(words);
    if (!arguments) return StatusError;
    return Run(*arguments);
}

// A report that did not reach standard output (a full disk, a closed pipe) is
// no clean run, whatever it would have said.
int Main(const std::vector<std::string>& words) {
    const int status = RunCommand(words);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "verbodex-batch: cannot write standard output\n";
        return StatusError;
    }
    return status;
}

} // namespace

#ifdef _WIN32
// Windows holds the arguments in UTF-16; the program's paths are Windows-1252
// text, whatever code page the system uses.
int wmain(int argc, wchar_t** argv) {
    // The reports and messages are the same bytes as on every other system:
    // text mode would put a CR before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        std::string word;
        if (!WideToCp1252(argv[i], word)) {
            return UsageError("argument " + std::to_string(i) + " '" + word +
                              "' holds characters outside Windows-1252");
        }
        words.push_back(word);
    }
    return Main(words);
}
#else
int main(int argc, char** argv) { return Main(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
