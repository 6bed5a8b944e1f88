#include "documents/Ftnfco.h"

#include "app/app_state.h"
#include "documents/safe_write.h"

#include <string>

namespace {

constexpr std::int16_t CopyDone = 0;
constexpr std::int16_t CopyFailed = 3;

// The name as the platform sees it: its first `length` characters, ended early by
// a NUL among them. False when it is empty or does not fit a path buffer.
bool TakeName(const char* name, int length, std::string& taken) {
    if (length <= 0 || length >= PathCapacity) return false;
    taken.assign(name, static_cast<std::size_t>(length));
    taken.resize(taken.find('\0') == std::string::npos ? taken.size() : taken.find('\0'));
    return !taken.empty();
}

} // namespace

void ftnfco(std::int16_t& status, const char* source, int sourceLength, const char* target,
            int targetLength) {
    status = CopyFailed;
    std::string from;
    std::string to;
    if (!TakeName(source, sourceLength, from) || !TakeName(target, targetLength, to)) return;
    // A new target gets the source's permissions, an existing one keeps its own.
    // It is replaced only once the copy is whole, so that a failed copy leaves an
    // older copy as it was.
    std::string bytes;
    unsigned mode = 0;
    if (!ReadRegularFile(from, bytes, &mode)) return;
    if (WriteFileSafely(to, bytes, mode) == WriteResult::Written) status = CopyDone;
}
