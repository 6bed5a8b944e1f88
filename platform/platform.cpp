#include "platform/platform.h"

#include <cstdlib>

namespace {
Platform* currentPlatform = nullptr;
}

Platform& ThePlatform() {
    // Every entry point sets a platform first; running without one is a
    // programming error that must not go on silently.
    if (currentPlatform == nullptr) std::abort();
    return *currentPlatform;
}

void SetPlatform(Platform* platform) { currentPlatform = platform; }
