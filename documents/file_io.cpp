#include "documents/file_io.h"

// The POSIX form; Windows has its own in file_io_windows.cpp.
#ifndef _WIN32

#include "documents/file_fault.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

void TakeFacts(const struct stat& status, FileFacts& facts) {
    facts.regular = S_ISREG(status.st_mode);
    facts.directory = S_ISDIR(status.st_mode);
    facts.symbolicLink = S_ISLNK(status.st_mode);
    facts.mode = status.st_mode & 07777;
    facts.owner = status.st_uid;
    facts.group = status.st_gid;
    facts.links = status.st_nlink;
    facts.size = static_cast<std::uint64_t>(status.st_size);
}

// The system call again while a signal interrupted it.
template <typename Call> auto Retried(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR)
        result = call();
    return result;
}

} // namespace

int InspectFile(const std::string& path, bool followLink, FileFacts& facts) {
    if (const int error = Faulted(FileStep::Inspect)) return error;
    struct stat status {};
    const int result = followLink ? ::stat(path.c_str(), &status) : ::lstat(path.c_str(), &status);
    if (result != 0) return errno;
    TakeFacts(status, facts);
    return 0;
}

int ReadLinkTarget(const std::string& path, std::string& target) {
    if (const int error = Faulted(FileStep::ReadLink)) return error;
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0) return errno;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            target.assign(buffer.data(), static_cast<std::size_t>(length));
            return 0;
        }
        buffer.resize(buffer.size() * 2);
    }
}

int OpenExistingFile(const std::string& path, bool forWriting, FileHandle& handle) {
    if (const int error = Faulted(FileStep::Open)) return error;
    const int flags =
        (forWriting ? O_WRONLY : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC;
    const int opened = Retried([&] { return ::open(path.c_str(), flags); });
    if (opened < 0) return errno;
    struct stat status {};
    if (::fstat(opened, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(opened);
        return S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    }
    handle = opened;
    return 0;
}

int CreateTemporaryFile(const std::string& folder, std::string& path, FileHandle& handle) {
    if (const int error = Faulted(FileStep::CreateTemporary)) return error;
    std::string pattern = folder + "/.verbodex-XXXXXX";
    const int created = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (created < 0) return errno;
    path = std::move(pattern);
    handle = created;
    return 0;
}

int ReadFileAt(FileHandle handle, std::uint64_t offset, char* buffer, std::size_t count,
               std::size_t& done) {
    done = 0;
    if (const int error = Faulted(FileStep::Read, count)) return error;
    const ssize_t read =
        Retried([&] { return ::pread(handle, buffer, count, static_cast<off_t>(offset)); });
    if (read < 0) return errno;
    done = static_cast<std::size_t>(read);
    return 0;
}

int WriteFileAt(FileHandle handle, std::uint64_t offset, const char* bytes, std::size_t count,
                std::size_t& done) {
    done = 0;
    if (const int error = Faulted(FileStep::Write, count)) return error;
    const ssize_t written =
        Retried([&] { return ::pwrite(handle, bytes, count, static_cast<off_t>(offset)); });
    if (written < 0) return errno;
    done = static_cast<std::size_t>(written);
    return 0;
}

int TruncateFile(FileHandle handle, std::uint64_t size) {
    if (const int error = Faulted(FileStep::Truncate)) return error;
    return Retried([&] { return ::ftruncate(handle, static_cast<off_t>(size)); }) == 0 ? 0 : errno;
}

int SyncFile(FileHandle handle) {
    if (const int error = Faulted(FileStep::Sync)) return error;
    return Retried([&] { return ::fsync(handle); }) == 0 ? 0 : errno;
}

int CloseFile(FileHandle handle) {
    // The handle is given back even when the step fails.
    const int error = Faulted(FileStep::Close);
    const int result = ::close(handle);
    if (error != 0) return error;
    return result == 0 || errno == EINTR ? 0 : errno;
}

int SetFileMode(FileHandle handle, unsigned mode) {
    if (const int error = Faulted(FileStep::SetMode)) return error;
    return ::fchmod(handle, static_cast<mode_t>(mode)) == 0 ? 0 : errno;
}

int SetFileOwner(FileHandle handle, unsigned owner, unsigned group) {
    if (const int error = Faulted(FileStep::SetOwner)) return error;
    return ::fchown(handle, static_cast<uid_t>(owner), static_cast<gid_t>(group)) == 0 ? 0 : errno;
}

int RenameFile(const std::string& from, const std::string& to) {
    if (const int error = Faulted(FileStep::Rename)) return error;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int RemoveFile(const std::string& path) {
    if (const int error = Faulted(FileStep::Remove)) return error;
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int SyncFolder(const std::string& folder) {
    if (const int error = Faulted(FileStep::SyncFolder)) return error;
    const int opened =
        Retried([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (opened < 0) return errno;
    const int result = Retried([&] { return ::fsync(opened); }) == 0 ? 0 : errno;
    ::close(opened);
    return result;
}

unsigned NewFileMode() {
    // The mask can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

#endif
