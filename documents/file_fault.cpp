#include "documents/file_fault.h"

#include <cerrno>
#include <utility>

namespace {

FileFaultHook faultHook;

} // namespace

int Faulted(FileStep step, std::size_t& count) { return faultHook ? faultHook(step, count) : 0; }

int Faulted(FileStep step) {
    std::size_t none = 0;
    return Faulted(step, none);
}

void SetFileFaultHook(FileFaultHook hook) { faultHook = std::move(hook); }

bool NamesNothing(int error) { return error == ENOENT || error == ENOTDIR; }
