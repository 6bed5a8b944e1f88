#include "documents/safe_write.h"

#include "app/paths.h"

#include <cstdint>

namespace {

// More links in a row than this are taken for a loop.
constexpr int MostLinksFollowed = 40;
// Pieces a file is read in.
constexpr std::size_t ReadPiece = 65536;

// Follows symbolic links until a path that is none (or names nothing). False
// when a link cannot be read, leads round in a loop, or a path cannot be looked
// at for another reason than that it names nothing.
bool FollowLinks(const std::string& path, WriteTarget& target) {
    target.path = path;
    target.exists = false;
    for (int hop = 0; hop <= MostLinksFollowed; ++hop) {
        const int error = InspectFile(target.path, false, target.facts);
        if (error != 0) return NamesNothing(error);
        if (!target.facts.symbolicLink) {
            target.exists = true;
            return true;
        }
        std::string link;
        if (ReadLinkTarget(target.path, link) != 0 || link.empty()) return false;
        target.path = link.front() == '/' ? link : FolderOf(target.path) + "/" + link;
    }
    return false;
}

// Writes every byte from the start of the file; a short write goes on from where
// it stopped, a write that makes no progress fails.
bool WriteAll(FileHandle handle, std::string_view bytes) {
    std::uint64_t offset = 0;
    while (offset < bytes.size()) {
        std::size_t done = 0;
        if (WriteFileAt(handle, offset, bytes.data() + offset, bytes.size() - offset, done) != 0 ||
            done == 0) {
            return false;
        }
        offset += done;
    }
    return true;
}

bool ReadAll(FileHandle handle, std::string& bytes) {
    bytes.clear();
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + ReadPiece);
        std::size_t done = 0;
        const int error = ReadFileAt(handle, used, bytes.data() + used, ReadPiece, done);
        bytes.resize(used + done);
        if (error != 0) return false;
        if (done == 0) return true;
    }
}

// Writes the new bytes into the file itself. The old bytes are read first; when
// any step of the writing fails they are written back, so that the file holds
// its old content (unless the medium refuses that too).
WriteResult WriteInPlace(const std::string& path, std::string_view bytes) {
    std::string old;
    if (!ReadRegularFile(path, old)) return WriteResult::NotWrittenWhole;
    FileHandle handle = -1;
    if (OpenExistingFile(path, true, handle) != 0) return WriteResult::NotWrittenWhole;
    if (!WriteAll(handle, bytes) || TruncateFile(handle, bytes.size()) != 0 ||
        SyncFile(handle) != 0) {
        WriteAll(handle, old);
        TruncateFile(handle, old.size());
        SyncFile(handle);
        CloseFile(handle);
        return WriteResult::NotWrittenWhole;
    }
    // Once flushed the bytes are on the medium; a failing close changes nothing.
    CloseFile(handle);
    return WriteResult::Written;
}

} // namespace

WriteResult FindWriteTarget(const std::string& path, WriteTarget& target) {
    if (path.empty() || !FollowLinks(path, target)) return WriteResult::CannotOpen;
    if (!target.exists) {
        FileFacts folder;
        if (InspectFile(FolderOf(target.path), true, folder) != 0 || !folder.directory) {
            return WriteResult::CannotOpen;
        }
        return WriteResult::Written;
    }
    if (target.facts.directory) return WriteResult::CannotOpen;
    if (!target.facts.regular) return WriteResult::NotRegularFile;
    FileHandle handle = -1;
    if (OpenExistingFile(target.path, true, handle) != 0) return WriteResult::CannotOpen;
    CloseFile(handle);
    return WriteResult::Written;
}

WriteResult StageWrite(const WriteTarget& target, std::string_view bytes, unsigned newFileMode,
                       StagedWrite& staged) {
    staged = StagedWrite{target, "", false};
    FileHandle handle = -1;
    std::string temporary;
    if (CreateTemporaryFile(FolderOf(target.path), temporary, handle) != 0) {
        if (!target.exists) return WriteResult::CannotOpen;
        staged.inPlace = true;
        return WriteResult::Written;
    }
    const auto fail = [&] {
        CloseFile(handle);
        RemoveFile(temporary);
        return WriteResult::NotWrittenWhole;
    };
    if (!WriteAll(handle, bytes)) return fail();
    if (target.exists) {
        // Owner and group first: changing them may clear some permission bits.
        if (SetFileOwner(handle, target.facts.owner, target.facts.group) != 0)
            staged.inPlace = true;
        if (SetFileMode(handle, target.facts.mode) != 0) staged.inPlace = true;
        // The other names of the file would keep showing the old content.
        if (target.facts.links > 1) staged.inPlace = true;
    } else if (SetFileMode(handle, newFileMode) != 0) {
        return fail();
    }
    if (SyncFile(handle) != 0) return fail();
    if (CloseFile(handle) != 0) {
        RemoveFile(temporary);
        return WriteResult::NotWrittenWhole;
    }
    staged.temporary = temporary;
    return WriteResult::Written;
}

WriteResult CommitWrite(StagedWrite& staged, std::string_view bytes) {
    if (staged.inPlace) {
        // The temporary file only showed that the new content fits; the file is
        // written in place now, and the room it takes is given back first.
        DiscardWrite(staged);
        return WriteInPlace(staged.target.path, bytes);
    }
    if (RenameFile(staged.temporary, staged.target.path) != 0) {
        DiscardWrite(staged);
        return WriteResult::NotWrittenWhole;
    }
    staged.temporary.clear();
    // The new name is in place; should the folder not flush, a crash could at
    // worst bring back the old content, which is whole too.
    SyncFolder(FolderOf(staged.target.path));
    return WriteResult::Written;
}

void DiscardWrite(StagedWrite& staged) {
    if (!staged.temporary.empty()) RemoveFile(staged.temporary);
    staged.temporary.clear();
}

WriteResult WriteFileSafely(const std::string& path, std::string_view bytes, unsigned newFileMode) {
    WriteTarget target;
    WriteResult result = FindWriteTarget(path, target);
    if (result != WriteResult::Written) return result;
    StagedWrite staged;
    result = StageWrite(target, bytes, newFileMode, staged);
    if (result != WriteResult::Written) return result;
    return CommitWrite(staged, bytes);
}

bool ReadRegularFile(const std::string& path, std::string& bytes, unsigned* mode) {
    WriteTarget file;
    if (!FollowLinks(path, file) || !file.exists || !file.facts.regular) return false;
    FileHandle handle = -1;
    if (OpenExistingFile(file.path, false, handle) != 0) return false;
    const bool read = ReadAll(handle, bytes);
    CloseFile(handle);
    if (read && mode != nullptr) *mode = file.facts.mode;
    return read;
}
