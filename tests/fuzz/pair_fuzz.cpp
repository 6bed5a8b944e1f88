// A pair of files of any kind loaded, checked, coloured, merged and saved through
// the program's own commands on the headless platform. The aids are those the
// file-kind table gives each button, so an aid added there is fuzzed here too.
// What must hold:
//   - "i-Check" and "i-Color" change neither text nor `modified`;
//   - every line of the translation survives "i-Merge" in its order, or is marked
//     magenta as a line the merge changed; no line is lost; one undo brings the
//     text before the merge back; merging again gives the same;
//   - merging a file with its own copy changes nothing and leaves `modified`
//     clear, so that nothing would be saved;
//   - "#-#", answered Yes or No to each value it offers, offers and changes
//     exactly what its plain steps (the tests' reference) do;
//   - a save writes the pane's text and keeps the old bytes as the backup.
//
// Input: one byte choosing the kind (and with it the files' name) and the answers
// to "#-#", then the original's bytes and the translation's, separated by
// PartSeparator.
#include "aids/standard_entries.h"
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/main_window.h"
#include "fuzz_support.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"
#include "resources/standard_entry_dialog.h"
#include "standard_entries_oracle.h"

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr FileKind Kinds[] = {FileKind::Other, FileKind::DialogIni,    FileKind::Mask,
                              FileKind::Menu,  FileKind::DialogCprIni, FileKind::DialogProgIni};

// A name the kind is recognised by.
std::string NameOf(FileKind kind) {
    const char* ending = FileKindRowOf(kind).nameEnding;
    return ending != nullptr ? std::string("F") + ending : "F.TXT";
}

void SetPath(char* path, std::int32_t& length, const std::string& text) {
    std::strcpy(path, text.c_str());
    length = static_cast<std::int32_t>(text.size());
}

// One run of the program on a fresh headless window.
class Session {
  public:
    Session() {
        platform_.SetWindowProcedures(CommandProcedures());
        SetPlatform(&platform_);
        ResetAppState();
        appState.windowHandle = platform_.MainWindowHandle();
        ConfigurePanes();
    }
    ~Session() { SetPlatform(nullptr); }

    void LoadOriginal(const std::string& path) {
        SetPath(appState.originalPath, appState.originalPathLength, path);
        Press(LoadOriginalCommand);
    }
    // True when the translation reached its pane whole.
    bool LoadTranslation(const std::string& path) {
        SetPath(appState.translationPath, appState.translationPathLength, path);
        Press(LoadTranslationCommand);
        return appState.translationOpened != 0 && appState.translationCut == 0;
    }
    void Press(int id) { platform_.SendCommand(MakeCommand(id)); }
    std::string Text(int pane) { return platform_.GetControlText(pane); }
    HeadlessPane& Pane(int id) { return platform_.PaneById(id); }
    HeadlessPlatform& Platform() { return platform_; }

  private:
    HeadlessPlatform platform_;
};

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// Whether any character of each line (its line break counted) is magenta, the
// mark of a line an aid inserted or changed.
std::vector<bool> MarkedLines(HeadlessPane& pane) {
    std::vector<bool> marked(static_cast<std::size_t>(pane.LineCount()), false);
    for (std::int32_t line = 0; line < pane.LineCount(); ++line) {
        const std::int32_t from = pane.LineIndex(line);
        const std::int32_t to =
            line + 1 < pane.LineCount() ? pane.LineIndex(line + 1) : pane.TextLength();
        for (std::int32_t i = from; i < to && !marked[line]; ++i) {
            marked[line] = pane.CharColour(i) == ColourMagenta;
        }
    }
    return marked;
}

// A merge inserts lines (marked, but for blank lines between sections) and may
// change lines (marked); it never removes one. So the lines before are found in
// order among the lines after, where a marked line may stand for a changed one.
bool KeptOrMarked(const std::vector<std::string>& before, const std::vector<std::string>& after,
                  const std::vector<bool>& marked) {
    if (after.size() < before.size()) return false;
    std::size_t i = 0;
    for (std::size_t j = 0; j < after.size() && i < before.size(); ++j) {
        if (after[j] == before[i] || marked[j]) ++i;
    }
    return i == before.size();
}

// Runs an aid that only colours: neither text nor `modified` may change.
void OnlyColours(Session& session, int button, const char* name) {
    const std::string original = session.Text(OriginalPane);
    const std::string translation = session.Text(TranslationPane);
    const std::int32_t modified = appState.modified;
    session.Press(button);
    if (session.Text(OriginalPane) != original || session.Text(TranslationPane) != translation) {
        Finding(std::string(name) + " changed a text");
    }
    if (appState.modified != modified) Finding(std::string(name) + " changed `modified`");
}

// What one run of "#-#" did.
struct StandardEntriesRun {
    std::string text;
    std::vector<Colour> colours;
    std::vector<std::string> dialogs;
    std::int32_t modified = 0;
    bool operator==(const StandardEntriesRun&) const = default;
};

// The reference reads the file again for every offered line: kept to inputs it
// finishes quickly.
constexpr std::size_t LargestReferenceText = 64 * 1024;

// Runs "#-#" on the translation as it stands, answering each offer from the bits
// of `answers` (Yes for a set bit, No otherwise, with the proposed name), once as
// the program does it and once by its plain steps, on a black text, and compares
// the two. The pane is left as the program's run left it.
void OfferStandardEntriesBothWays(Session& session, unsigned answers) {
    HeadlessPlatform& platform = session.Platform();
    HeadlessPane& pane = session.Pane(TranslationPane);
    const std::string text = session.Text(TranslationPane);
    const std::int32_t modified = appState.modified;
    const FileKind kindBefore = appState.fileKind;
    const auto run = [&](void (*offer)(FileKind&)) {
        pane.SetText(text.c_str());
        pane.SetAllColour(ColourBlack);
        appState.modified = modified;
        appState.fileKind = kindBefore;
        platform.dialogAnswers.clear();
        for (int i = 0; i < 32; ++i)
            platform.dialogAnswers.push_back(
                DialogAnswer{(answers >> (i % 5)) & 1u ? IDYES : IDNO, std::nullopt});
        platform.shownDialogs.clear();
        FileKind kind = kindBefore;
        offer(kind);
        StandardEntriesRun done{
            session.Text(TranslationPane), pane.CharColours(), {}, appState.modified};
        for (const ShownDialog& dialog : platform.shownDialogs)
            done.dialogs.push_back(dialog.texts.at(IdEntryMessage) + "|" +
                                   dialog.texts.at(IdEntryName) + "|" +
                                   std::to_string(dialog.result));
        return done;
    };
    if (text.size() <= LargestReferenceText &&
        run(oracle::OfferStandardEntries) != run(OfferStandardEntries)) {
        Finding("#-# offered or changed otherwise than its plain steps");
    }
    if (text.size() > LargestReferenceText) run(OfferStandardEntries);
    if (session.Text(TranslationPane) != text && appState.modified == 0) {
        Finding("#-# changed the text but not `modified`");
    }
}

void MergeWithItsOwnCopy(const std::string& path) {
    Session session;
    session.LoadOriginal(path);
    if (!session.LoadTranslation(path)) return;
    const std::string before = session.Text(TranslationPane);
    const std::string bytes = ReadBytes(path);
    session.Press(IdMerge);
    if (session.Text(TranslationPane) != before) {
        Finding("merging a file with its own copy changed it");
    }
    // The batch tool saves a merge that set `modified`; this one must not.
    if (appState.modified != 0) Finding("merging a file with its own copy set `modified`");
    if (ReadBytes(path) != bytes) Finding("merging a file with its own copy wrote it");
}

void RunPair(const std::string& originalPath, const std::string& translationPath,
             unsigned answers) {
    Session session;
    session.LoadOriginal(originalPath);
    const bool whole = session.LoadTranslation(translationPath);

    OnlyColours(session, IdCheck, "i-Check");
    OnlyColours(session, IdColour, "i-Color");

    // Without the marks of the aids before, every magenta line after the merge is
    // one the merge inserted or changed.
    session.Pane(TranslationPane).SetAllColour(ColourBlack);
    const std::string before = session.Text(TranslationPane);
    session.Press(IdMerge);
    const std::string merged = session.Text(TranslationPane);
    if (!KeptOrMarked(LinesOf(before), LinesOf(merged),
                      MarkedLines(session.Pane(TranslationPane)))) {
        Finding("a translation line was lost, moved or changed without a mark by i-Merge");
    }
    if (merged != before) {
        if (appState.modified == 0) Finding("i-Merge changed the text but not `modified`");
        session.Pane(TranslationPane).Undo();
        if (session.Text(TranslationPane) != before) Finding("one undo does not undo i-Merge");
        session.Press(IdMerge);
        if (session.Text(TranslationPane) != merged) Finding("i-Merge again merged otherwise");
    }
    OfferStandardEntriesBothWays(session, answers);

    // The save: the pane's text in the file, the old bytes in the backup, and no
    // other file beside them.
    const std::string text = session.Text(TranslationPane);
    if (!whole || text.empty()) return;
    const std::string old = ReadBytes(translationPath);
    std::string backup = translationPath;
    backup.replace(backup.size() - 3, 3, "bak");
    appState.modified = 1;
    session.Press(IdSave);
    if (appState.modified != 0) Finding("the save failed");
    if (ReadBytes(translationPath) != text) Finding("the file does not hold the pane's text");
    if (ReadBytes(backup) != old) Finding("the backup does not hold the old bytes");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(translationPath).parent_path())) {
        names.insert(entry.path().string());
    }
    if (names != std::set<std::string>{translationPath, backup}) {
        Finding("a file was left beside the translation");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const FileKind kind = Kinds[data[0] % std::size(Kinds)];
    const std::vector<std::string> parts = SplitInput(data + 1, size - 1, 2);

    const std::string& folder = ScratchFolder();
    EmptyFolder(folder);
    std::filesystem::create_directory(folder + "/original");
    std::filesystem::create_directory(folder + "/translation");
    const std::string originalPath = folder + "/original/" + NameOf(kind);
    const std::string translationPath = folder + "/translation/" + NameOf(kind);
    WriteBytes(originalPath, parts[0]);
    WriteBytes(translationPath, parts[1]);

    MergeWithItsOwnCopy(translationPath);
    RunPair(originalPath, translationPath, data[0] / std::size(Kinds));
    return 0;
}
