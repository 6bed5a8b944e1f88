// The file operations under every write the program makes (a save, its backup,
// the settings file), one call each. Each returns 0 or the system's error number,
// so that the writers can tell why a step failed.
//
// Tests set a fault hook that makes any single step fail as the system would (a
// folder that refuses a new file, a full disk, a short write, a flush or a
// rename that fails, permissions that cannot be set) and then look at what the
// writers left on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

enum class FileStep {
    Inspect,
    ReadLink,
    Open,
    CreateTemporary,
    Read,
    Write,
    Truncate,
    Sync,
    Close,
    SetMode,
    SetOwner,
    Rename,
    Remove,
    SyncFolder,
};

// What the file system says about a path.
struct FileFacts {
    bool regular = false;
    bool directory = false;
    bool symbolicLink = false;
    unsigned mode = 0; // the permission bits
    unsigned owner = 0;
    unsigned group = 0;
    std::uint64_t links = 0;
    std::uint64_t size = 0;
};

using FileHandle = int;

// Whether an error number from InspectFile means that the path names nothing
// (rather than that it could not be looked at).
bool NamesNothing(int error);

// The facts of a path; a symbolic link itself unless `followLink`.
int InspectFile(const std::string& path, bool followLink, FileFacts& facts);
// The text a symbolic link holds.
int ReadLinkTarget(const std::string& path, std::string& target);
// Opens an existing regular file, for reading or for writing; it is never created
// or cut, never waits (a named pipe without a reader fails at once) and a
// symbolic link in its place fails. Anything but a regular file fails.
int OpenExistingFile(const std::string& path, bool forWriting, FileHandle& handle);
// Creates a new file only the program can read, with a name of its own in
// `folder`, open for writing; `path` receives its name.
int CreateTemporaryFile(const std::string& folder, std::string& path, FileHandle& handle);
// Reads or writes at most `count` bytes at `offset`; `done` receives how many. A
// read that gives 0 bytes is the end of the file.
int ReadFileAt(FileHandle handle, std::uint64_t offset, char* buffer, std::size_t count,
               std::size_t& done);
int WriteFileAt(FileHandle handle, std::uint64_t offset, const char* bytes, std::size_t count,
                std::size_t& done);
int TruncateFile(FileHandle handle, std::uint64_t size);
// Waits until the file's content is on the medium.
int SyncFile(FileHandle handle);
int CloseFile(FileHandle handle);
int SetFileMode(FileHandle handle, unsigned mode);
int SetFileOwner(FileHandle handle, unsigned owner, unsigned group);
// Puts `from` in the place of `to` in one step: a reader sees the one or the other.
int RenameFile(const std::string& from, const std::string& to);
int RemoveFile(const std::string& path);
// Waits until the folder's list of names (a rename in it) is on the medium.
int SyncFolder(const std::string& folder);

// The permissions a newly created file gets: read and write for all, less what
// the process's file-creation mask takes away.
unsigned NewFileMode();

// Asked before every step with the step and, for Read and Write, the bytes it is
// about to move. Returns 0 to let the step run, or the error number it fails with;
// lowering `count` makes a read or a write short. nullptr: no faults.
using FileFaultHook = std::function<int(FileStep step, std::size_t& count)>;
void SetFileFaultHook(FileFaultHook hook);
