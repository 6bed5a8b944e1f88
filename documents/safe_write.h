// Replacing a file's content so that the old content survives until the new one
// is whole on disk: the new bytes go to a temporary file in the file's own folder,
// are flushed to the medium and only then renamed into the file's place. A
// symbolic link stays a link; the file it leads to is replaced. Where a rename
// would change what others see (a file with further hard links, or one whose
// owner or group the program cannot give the new file) and where no temporary
// file can be made, the file is written in place and, when that fails, given its
// old bytes back. Only regular files and new files are written.
//
// The save, its backup, `verbodex-batch --output` and the settings file all write
// through here.
#pragma once

#include "documents/file_io.h"

#include <string>
#include <string_view>

enum class WriteResult {
    Written,
    // The folder is missing or refuses the new file, the file is a folder or does
    // not open for writing, or a symbolic link leads nowhere.
    CannotOpen,
    // A device, a named pipe or a socket: never written.
    NotRegularFile,
    // A step of the writing failed; the file holds what it held before.
    NotWrittenWhole,
};

// The file a write goes to, every symbolic link on the way followed.
struct WriteTarget {
    std::string path;
    bool exists = false;
    FileFacts facts;
};

// A new content written beside its file and not yet in place.
struct StagedWrite {
    WriteTarget target;
    // The temporary file holding the new content; empty when none could be made.
    std::string temporary;
    // The new content goes into the file itself rather than being renamed there,
    // so the old content is kept nowhere on disk while it is written.
    bool inPlace = false;
};

// Follows the links of `path` and checks that the file can be written: an
// existing file must be regular and open for writing, a new one needs its folder.
WriteResult FindWriteTarget(const std::string& path, WriteTarget& target);

// Writes `bytes` to a temporary file beside the target and flushes it, with the
// target's permissions, owner and group (`newFileMode` for a new file). Nothing
// else is touched; a failure leaves no temporary file behind. An existing file
// for which no temporary file can be made is staged for writing in place.
WriteResult StageWrite(const WriteTarget& target, std::string_view bytes, unsigned newFileMode,
                       StagedWrite& staged);

// Puts the staged content in place: by renaming, or by writing `bytes` (the same
// bytes as staged) into the file. On failure the file keeps its old content.
WriteResult CommitWrite(StagedWrite& staged, std::string_view bytes);

// Drops a staged content without touching its target.
void DiscardWrite(StagedWrite& staged);

// All of it in one: find, stage, commit.
WriteResult WriteFileSafely(const std::string& path, std::string_view bytes, unsigned newFileMode);

// Reads a whole regular file (links followed; a device or a named pipe is not
// read). `mode` receives its permissions when given.
bool ReadRegularFile(const std::string& path, std::string& bytes, unsigned* mode = nullptr);
