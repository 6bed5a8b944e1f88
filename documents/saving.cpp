#include "documents/saving.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/paths.h"
#include "documents/Ftnfco.h"
#include "documents/basis.h"
#include "documents/safe_write.h"
#include "panes/richedit.h"
#include "platform/platform.h"
#include "resources/messages.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <system_error>

namespace {

enum class Backup {
    Made,
    // A file saved for the first time has no previous content.
    NothingToKeep,
    NotMade,
    // Its name is that of a loaded file (or of the target), which it would replace.
    OverLoadedFile,
};

// Whether `path` names the loaded original, the loaded translation or the
// save's target.
bool NamesLoadedFile(const std::string& path, const std::string& target) {
    const std::string original = PathText(appState.originalPath, appState.originalPathLength);
    const std::string translation =
        PathText(appState.translationPath, appState.translationPathLength);
    return (!original.empty() && SameFile(path, original)) ||
           (!translation.empty() && SameFile(path, translation)) || SameFile(path, target);
}

// The previous content survives beside the file, its last three characters
// replaced by "bak" (DIALOG.INI -> DIALOG.bak); a new backup replaces an older
// one only once it is whole. A name shorter than three characters has no such
// backup: replacing its folder's separator too would put the backup in another
// folder, over a file of that name (work/en/AB -> work/enbak).
Backup MakeBackup(const std::string& path, bool exists) {
    if (!exists) return Backup::NothingToKeep;
    if (path.size() < 3 || HoldsPathSeparator(std::string_view(path).substr(path.size() - 3))) {
        return Backup::NotMade;
    }
    std::string backup = path;
    backup.replace(backup.size() - 3, 3, "bak");
    if (NamesLoadedFile(backup, path)) return Backup::OverLoadedFile;
    std::int16_t status = 0;
    const int length = static_cast<int>(path.size());
    ftnfco(status, path.c_str(), length, backup.c_str(), length);
    return status == 0 ? Backup::Made : Backup::NotMade;
}

// Shows the failure's message and gives back its outcome.
SaveOutcome Refuse(MessageId message, SaveResult result, const std::string& target) {
    ShowMessage(message);
    return {result, target};
}

SaveOutcome Refuse(WriteResult result, const std::string& target) {
    switch (result) {
    case WriteResult::Written:
        break;
    case WriteResult::CannotOpen:
        return Refuse(MessageId::TargetDoesNotOpen, SaveResult::CannotOpen, target);
    case WriteResult::NotRegularFile:
        return Refuse(MessageId::TargetDoesNotOpen, SaveResult::NotRegularFile, target);
    case WriteResult::NotWrittenWhole:
        break;
    }
    return Refuse(MessageId::TargetNotWrittenWhole, SaveResult::NotWrittenWhole, target);
}

// The pane's text, written beside the target and not yet in place.
struct PreparedSave {
    std::unique_ptr<char[]> buffer;
    std::size_t count = 0;
    StagedWrite staged;

    std::string_view Text() const { return {buffer.get(), count}; }
};

// Everything that can refuse a save is looked at before anything is touched: the
// target opens for writing, the pane yields a text that fits, the text is whole
// on disk beside the target. The outcome is Saved when the save may go on.
SaveOutcome Prepare(const std::string& target, PreparedSave& save) {
    WriteTarget file;
    const WriteResult found = FindWriteTarget(target, file);
    if (found != WriteResult::Written) return Refuse(found, target);

    // Room for one byte more than a save may write (two for the terminating NUL of
    // the window-text fallback), so that a longer text shows itself.
    // Left uninitialised: only what the pane hands out is ever read.
    save.buffer.reset(new (std::nothrow) char[static_cast<std::size_t>(SaveCapacity) + 2]);
    if (!save.buffer) {
        return Refuse(MessageId::SaveBufferNotObtained, SaveResult::OutOfMemory, target);
    }
    std::int32_t count =
        RichEdit_StreamOutText(TranslationPane, save.buffer.get(), SaveCapacity + 1);
    if (count <= 0) count = RichEdit_GetText(TranslationPane, save.buffer.get(), SaveCapacity + 2);
    if (count <= 0) return Refuse(MessageId::PaneYieldsNoText, SaveResult::NothingToSave, target);
    if (count > SaveCapacity) {
        return Refuse(MessageId::TextTooLongToSave, SaveResult::TextTooLong, target);
    }
    save.count = static_cast<std::size_t>(count);

    const WriteResult staged = StageWrite(file, save.Text(), NewFileMode(), save.staged);
    if (staged != WriteResult::Written) return Refuse(staged, target);
    return {SaveResult::Saved, target};
}

SaveOutcome Commit(PreparedSave& save, const std::string& target) {
    const WriteResult written = CommitWrite(save.staged, save.Text());
    if (written != WriteResult::Written) return Refuse(written, target);
    return {SaveResult::Saved, target};
}

} // namespace

std::int64_t SavedTextLength() {
    // The pane holds a line break as one character; a save writes it as CR LF.
    const std::int64_t breaks = std::max(RichEdit_GetLineCount(TranslationPane) - 1, 0);
    return std::int64_t{RichEdit_GetTextLength(TranslationPane)} + breaks;
}

bool HoldsPathSeparator(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
#ifdef _WIN32
        if (c == ':') return true;
#endif
        return IsPathSeparator(c);
    });
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(NativePath(a), NativePath(b), error) && !error;
}

SaveOutcome WriteTranslation(const std::string& target) {
    PreparedSave save;
    const SaveOutcome prepared = Prepare(target, save);
    if (!prepared.Saved()) return prepared;
    return Commit(save, target);
}

SaveOutcome SaveTranslation(bool saveAs) {
    // Save As writes a copy; the loaded file stays the target of the next Save.
    const std::string loaded = PathText(appState.translationPath, appState.translationPathLength);
    std::string target = loaded;
    if (saveAs) {
        bool pathTooLong = false;
        if (SaveFileDialog(appState.saveAsPath, appState.saveAsPathLength,
                           "\xDC"
                           "bersetzungsdatei speichern unter...",
                           36, 1, &pathTooLong) == 0) {
            return {pathTooLong ? SaveResult::PathTooLong : SaveResult::Cancelled, ""};
        }
        target = PathText(appState.saveAsPath, appState.saveAsPathLength);
    }
    const bool overLoadedFile = SameFile(target, loaded);
    // A translation that was cut at load holds only part of its file; saving it
    // over that file would lose the rest, so the translator decides.
    if (appState.translationCut != 0 && overLoadedFile &&
        ShowMessage(MessageId::SaveOverCutFile) != IDYES) {
        return {SaveResult::Declined, target};
    }

    PreparedSave save;
    const SaveOutcome prepared = Prepare(target, save);
    if (!prepared.Saved()) return prepared;
    const Backup backup = MakeBackup(target, save.staged.target.exists);
    // Written in place (no temporary file in the folder, a hard link, a file of
    // another user) with no backup, a failure in the middle would leave the old
    // text nowhere: the translator decides.
    if (save.staged.inPlace && backup != Backup::Made &&
        ShowMessage(MessageId::SaveWithoutAnyCopy) != IDYES) {
        DiscardWrite(save.staged);
        return {SaveResult::DeclinedNothingKept, target};
    }
    SaveOutcome outcome = Commit(save, target);
    // A failed write leaves the text marked as changed: it is not safely on disk.
    if (!outcome.Saved()) return outcome;
    appState.modified = 0;
    // The file now holds exactly the pane's text, nothing of it is lost any more.
    if (overLoadedFile) appState.translationCut = 0;
    if (backup == Backup::NotMade) outcome.result = SaveResult::SavedWithoutBackup;
    if (backup == Backup::OverLoadedFile) {
        outcome.result = SaveResult::SavedWithoutBackupOverLoadedFile;
        ShowMessage(MessageId::BackupNameIsLoadedFile);
    }
    return outcome;
}
