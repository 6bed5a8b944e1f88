#include "batch/repeats.h"

#include "aids/candidate_values.h"
#include "aids/propose_key.h"
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "batch/pair_run.h"
#include "batch/report.h"
#include "documents/loading.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"
#include "text/cp1252.h"

#include <cstdint>
#include <iostream>

namespace {

// Windows-1252 text as UTF-8.
std::string Utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char byte : text) {
        const char32_t c = Cp1252ToUnicode(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The proposal as the dialog's upper-case field shows it.
std::string ShownProposal(std::string_view value) {
    std::string proposal = ProposeKey(value);
    for (char& c : proposal)
        c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
    return proposal;
}

void PrintRepeats(std::ostream& out) {
    const FileKind kind = appState.fileKind;
    if (kind != FileKind::DialogIni && kind != FileKind::DialogCprIni) return;
    const CandidateValues values(kind, RichEdit_GetLineCount(TranslationPane));
    std::vector<std::int32_t> counts(static_cast<std::size_t>(values.ValueCount()), 0);
    for (std::int32_t value : values.Lines()) {
        if (value != CandidateValues::NoValue) ++counts[static_cast<std::size_t>(value)];
    }
    // Values are numbered in the order of their first lines.
    for (std::int32_t value = 0; value < values.ValueCount(); ++value) {
        const std::int32_t count = counts[static_cast<std::size_t>(value)];
        if (count < 2) continue;
        out << count << '\t' << Utf8(ShownProposal(values.Text(value))) << '\t'
            << Utf8(values.Text(value)) << '\n';
    }
}

} // namespace

int RunRepeats(const std::vector<std::string>& arguments, std::ostream& out) {
    for (const std::string& word : arguments) {
        if (word == "--format" || word == "--output") {
            // Its lines are a list of its own, not marks: no report format or
            // output file applies to them.
            std::cerr << "verbodex-batch: 'repeats' takes no " << word
                      << "; it prints COUNT<TAB>NAME<TAB>VALUE lines (try 'verbodex-batch "
                         "--help')\n";
            return StatusError;
        }
        if (word.size() > 1 && word[0] == '-') {
            std::cerr << "verbodex-batch: unknown option '" << word
                      << "' (try 'verbodex-batch --help')\n";
            return StatusError;
        }
    }
    if (arguments.size() != 1) {
        std::cerr << "verbodex-batch: 'repeats' takes 1 file (try 'verbodex-batch --help')\n";
        return StatusError;
    }

    HeadlessPlatform platform;
    platform.SetWindowProcedures(CommandProcedures());
    SetPlatform(&platform);
    ResetAppState();
    appState.windowHandle = platform.MainWindowHandle();
    ConfigurePanes();
    int status = StatusClean;
    const LoadOutcome outcome = LoadTranslationFrom(arguments[0]);
    if (outcome.Whole()) {
        PrintRepeats(out);
    } else {
        std::vector<std::string> errors;
        TellError(errors, "cannot read " + arguments[0] + ": " + ReasonOf(outcome));
        status = StatusError;
    }
    SetPlatform(nullptr);
    return status;
}
