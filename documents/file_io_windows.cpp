// The file operations on Windows, through the C runtime's wide-character calls
// and MoveFileExW (replacing the old file, written through),
// with every name converted from Windows-1252. Windows has no owners, groups or
// symbolic links that the program could keep as POSIX has them: those steps do
// nothing, and a link is never reported.
#ifdef _WIN32

#include "app/paths.h"
#include "documents/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <utility>
// The system's file calls alone, without its window headers.
#include <windef.h>
// (after its types)
#include <winbase.h>

namespace {

FileFaultHook faultHook;

int Faulted(FileStep step, std::size_t& count) { return faultHook ? faultHook(step, count) : 0; }

int Faulted(FileStep step) {
    std::size_t none = 0;
    return Faulted(step, none);
}

int ErrorOf(const std::error_code& error) {
    return error ? (error.value() ? error.value() : EIO) : 0;
}

} // namespace

bool NamesNothing(int error) { return error == ENOENT || error == ENOTDIR; }

int InspectFile(const std::string& path, bool, FileFacts& facts) {
    if (const int error = Faulted(FileStep::Inspect)) return error;
    // The C runtime's stat refuses a folder's name with a trailing separator
    // ("./", "C:\\DATA\\"); the separator says nothing more than the name.
    std::string name = path;
    while (name.size() > 1 && IsPathSeparator(name.back()) && name[name.size() - 2] != ':')
        name.pop_back();
    struct _stat64 status;
    if (::_wstat64(NativePath(name).c_str(), &status) != 0) return errno;
    facts = FileFacts{};
    facts.regular = (status.st_mode & _S_IFMT) == _S_IFREG;
    facts.directory = (status.st_mode & _S_IFMT) == _S_IFDIR;
    facts.mode = status.st_mode & 0777u;
    facts.links = status.st_nlink;
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
        const std::string candidate = folder + "/.verbodex-" + std::to_string(seed() % 1000000000u);
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
    if (::MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ::GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
}

int RemoveFile(const std::string& path) {
    if (const int error = Faulted(FileStep::Remove)) return error;
    std::error_code error;
    std::filesystem::remove(NativePath(path), error);
    return ErrorOf(error);
}

// A folder's names are on the medium with the files' own flushes on Windows.
int SyncFolder(const std::string&) { return Faulted(FileStep::SyncFolder); }

unsigned NewFileMode() { return 0666u; }

void SetFileFaultHook(FileFaultHook hook) { faultHook = std::move(hook); }

#endif
