// What a load or a save did, as a value. The window shows its message box and
// ignores the value; callers that are not the window (the batch tool) read it,
// and each value has a short English reason for them.
//
// Each list below is one row per value: its name and its reason. Adding a value
// is adding a row.
#pragma once

#include <string>
#include <system_error>

#define VERBODEX_LOAD_RESULTS(ROW)                                                                 \
    ROW(LoadedWhole, "loaded whole")                                                               \
    ROW(NoFileChosen, "no file was chosen")                                                        \
    ROW(UnsavedChangesKept, "the translation's unsaved changes were kept; nothing was loaded")     \
    ROW(NoPath, "no path given")                                                                   \
    ROW(PathTooLong, "path longer than 259 characters")                                            \
    ROW(DoesNotOpen, "does not open")                                                              \
    ROW(IsDirectory, "is a directory")                                                             \
    ROW(NotRegularFile, "is not a regular file")                                                   \
    ROW(CutAtCapacity, "longer than 1000000 bytes; the editor would cut it")                       \
    ROW(HeldNul, "holds a NUL byte; the editor would cut the text there")                          \
    ROW(ReadError, "read error")                                                                   \
    ROW(RefusedByPane, "too long for the pane; the editor would show it empty")

#define VERBODEX_SAVE_RESULTS(ROW)                                                                 \
    ROW(Saved, "saved")                                                                            \
    ROW(SavedWithoutBackup, "saved, but the previous content could not be kept in a backup")       \
    ROW(SavedWithoutBackupOverLoadedFile,                                                          \
        "saved without a backup: the backup's name is that of a loaded file, which was left as "   \
        "it was")                                                                                  \
    ROW(Cancelled, "no file was chosen")                                                           \
    ROW(PathTooLong, "path longer than 259 characters")                                            \
    ROW(Declined, "declined: the translation was not loaded whole, and saving over its file "      \
                  "would lose the rest")                                                           \
    ROW(DeclinedNothingKept, "declined: the previous content could be kept neither in a backup "   \
                             "nor in a temporary file beside it")                                  \
    ROW(CannotOpen, "cannot open it for writing")                                                  \
    ROW(NotRegularFile, "is not a regular file")                                                   \
    ROW(OutOfMemory, "out of memory")                                                              \
    ROW(NothingToSave, "the translation pane is empty; nothing to save")                           \
    ROW(TextTooLong, "the text is longer than 1000000 bytes; the file was left unchanged")         \
    ROW(NotWrittenWhole, "not (or not completely) written; read-only or disk full?")

#define VERBODEX_OUTCOME_NAME(name, reason) name,
enum class LoadResult { VERBODEX_LOAD_RESULTS(VERBODEX_OUTCOME_NAME) };
enum class SaveResult { VERBODEX_SAVE_RESULTS(VERBODEX_OUTCOME_NAME) };
#undef VERBODEX_OUTCOME_NAME

const char* ReasonOf(LoadResult result);
const char* ReasonOf(SaveResult result);

struct LoadOutcome {
    LoadResult result = LoadResult::LoadedWhole;
    // The file as the load named it.
    std::string path;
    // The system's reason when the file did not open; empty otherwise.
    std::error_code error;

    bool Whole() const { return result == LoadResult::LoadedWhole; }
};

struct SaveOutcome {
    SaveResult result = SaveResult::Saved;
    // The file the save wrote or meant to write.
    std::string path;

    // The file holds the pane's text.
    bool Saved() const {
        return result == SaveResult::Saved || result == SaveResult::SavedWithoutBackup ||
               result == SaveResult::SavedWithoutBackupOverLoadedFile;
    }
};

// The reason in English: the system's own for a file that did not open, when it
// gave one, else the value's.
std::string ReasonOf(const LoadOutcome& outcome);
