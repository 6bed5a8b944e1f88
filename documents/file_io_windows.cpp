// The file operations on Windows, through the C runtime's wide-character calls
// and MoveFileExW (replacing the old file, written through),
// with every name converted from Windows-1252. Windows has no owners, groups or
// symbolic links that the program could keep as POSIX has them: those steps do
// nothing, and a link is never reported. Hard links are counted, so that a file
// with several names is written in place as on POSIX.
#ifdef _WIN32

#include "app/paths.h"
#include "documents/file_fault.h"
#include "documents/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <utility>
// The system's file calls alone, without its window headers.
#include <windef.h>
// (after its types)
#include <winbase.h>

namespace {

// The error number of a failed system call, for the callers that read errno
// values (NamesNothing, the reasons shown).
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
        return EINVAL;
    default:
        return EIO;
    }
}

// A virus scanner or a search indexer holds a file open for a moment after it
// changes; a replacement that meets one is tried again for about half a second
// before it counts as failed.
bool HeldForAMoment(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
           error == ERROR_LOCK_VIOLATION;
}

// How many names (hard links) the file has; 1 when the system cannot tell.
unsigned NamesOfFile(const std::string& path) {
    const HANDLE file = ::CreateFileW(NativePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(file, &information) != 0;
    ::CloseHandle(file);
    return known && information.nNumberOfLinks > 0 ? information.nNumberOfLinks : 1;
}

// The name of an existing file as its folder stores it: a path in capitals
// ("DIALOG.INI") replacing "dialog.ini" would otherwise rename the file the
// translator named.
std::wstring AsStored(const std::filesystem::path& path) {
    // A search would take '*' and '?' as patterns and find some other file.
    if (path.wstring().find_first_of(L"*?") != std::wstring::npos) return path.wstring();
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return path.wstring();
    ::FindClose(search);
    return (path.parent_path() / found.cFileName).wstring();
}

} // namespace

int InspectFile(const std::string& path, bool, FileFacts& facts) {
    if (const int error = Faulted(FileStep::Inspect)) return error;
    // The C runtime's stat refuses a folder's name with a trailing separator
    // ("./", "C:\\DATA\\"); the separator says nothing more than the name.
    std::string name = path;
    while (name.size() > 1 && IsPathSeparator(name.back()) && name[name.size() - 2] != ':')
        name.pop_back();
    facts = FileFacts{};
    // A device's name (NUL.INI, CON) names it in every folder: it is there, and
    // no regular file.
    if (NamesADevice(name)) return 0;
    struct _stat64 status;
    if (::_wstat64(NativePath(name).c_str(), &status) != 0) return errno;
    facts.regular = (status.st_mode & _S_IFMT) == _S_IFREG;
    facts.directory = (status.st_mode & _S_IFMT) == _S_IFDIR;
    facts.mode = status.st_mode & 0777u;
    // The C runtime reports one name for every file; the system knows the others.
    facts.links = facts.regular ? NamesOfFile(name) : 1;
    facts.size = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

int ReadLinkTarget(const std::string&, std::string&) {
    if (const int error = Faulted(FileStep::ReadLink)) return error;
    return EINVAL;
}

int OpenExistingFile(const std::string& path, bool forWriting, FileHandle& handle) {
    if (const int error = Faulted(FileStep::Open)) return error;
    FileFacts facts;
    if (const int error = InspectFile(path, false, facts)) return error;
    if (!facts.regular) return facts.directory ? EISDIR : ENODEV;
    const int opened = ::_wopen(NativePath(path).c_str(),
                                (forWriting ? _O_RDWR : _O_RDONLY) | _O_BINARY | _O_NOINHERIT);
    if (opened < 0) return errno;
    handle = opened;
    return 0;
}

int CreateTemporaryFile(const std::string& folder, std::string& path, FileHandle& handle) {
    if (const int error = Faulted(FileStep::CreateTemporary)) return error;
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // "C:" is the drive's current folder, "C:\\" its root: neither takes a separator.
        const bool ends = folder.empty() || IsPathSeparator(folder.back()) || folder.back() == ':';
        const std::string candidate =
            folder + (ends ? "" : "\\") + ".verbodex-" + std::to_string(seed() % 1000000000u);
        const int created =
            ::_wopen(NativePath(candidate).c_str(),
                     _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (created >= 0) {
            path = candidate;
            handle = created;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int ReadFileAt(FileHandle handle, std::uint64_t offset, char* buffer, std::size_t count,
               std::size_t& done) {
    done = 0;
    if (const int error = Faulted(FileStep::Read, count)) return error;
    if (::_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0) return errno;
    const int got = ::_read(handle, buffer, static_cast<unsigned>(count));
    if (got < 0) return errno;
    done = static_cast<std::size_t>(got);
    return 0;
}

int WriteFileAt(FileHandle handle, std::uint64_t offset, const char* bytes, std::size_t count,
                std::size_t& done) {
    done = 0;
    if (const int error = Faulted(FileStep::Write, count)) return error;
    if (::_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) < 0) return errno;
    const int put = ::_write(handle, bytes, static_cast<unsigned>(count));
    if (put < 0) return errno;
    done = static_cast<std::size_t>(put);
    return 0;
}

int TruncateFile(FileHandle handle, std::uint64_t size) {
    if (const int error = Faulted(FileStep::Truncate)) return error;
    return ::_chsize_s(handle, static_cast<__int64>(size));
}

// _commit is FlushFileBuffers: the content is on the medium when it returns.
int SyncFile(FileHandle handle) {
    if (const int error = Faulted(FileStep::Sync)) return error;
    return ::_commit(handle) == 0 ? 0 : errno;
}

int CloseFile(FileHandle handle) {
    if (const int error = Faulted(FileStep::Close)) {
        ::_close(handle);
        return error;
    }
    return ::_close(handle) == 0 ? 0 : errno;
}

// Windows keeps one permission: whether the file may be written.
int SetFileMode(FileHandle, unsigned) { return Faulted(FileStep::SetMode); }

int SetFileOwner(FileHandle, unsigned, unsigned) { return Faulted(FileStep::SetOwner); }

int RenameFile(const std::string& from, const std::string& to) {
    if (const int error = Faulted(FileStep::Rename)) return error;
    // In one step over the old file, and back only once the new name is on the
    // medium (Windows has no folder to flush for it).
    const std::wstring source = NativePath(from);
    const std::wstring destination = AsStored(NativePath(to));
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) ::Sleep(50);
        if (::MoveFileExW(source.c_str(), destination.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        error = ::GetLastError();
        if (!HeldForAMoment(error)) break;
    }
    return ErrnoOf(error);
}

int RemoveFile(const std::string& path) {
    if (const int error = Faulted(FileStep::Remove)) return error;
    return ::DeleteFileW(NativePath(path).c_str()) ? 0 : ErrnoOf(::GetLastError());
}

// A folder's names are on the medium with the files' own flushes on Windows.
int SyncFolder(const std::string&) { return Faulted(FileStep::SyncFolder); }

unsigned NewFileMode() { return 0666u; }

#endif
