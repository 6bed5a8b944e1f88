#include "text/Tau.h"

#include <cstring>
#include <memory>
#include <new>

void MoveBytes(std::int32_t n, const void* source, void* destination) {
    if (n <= 0) return;
    std::memmove(destination, source, static_cast<std::size_t>(n));
}

void MoveBytes(std::int32_t n, std::uintptr_t source, std::uintptr_t destination) {
    MoveBytes(n, reinterpret_cast<const void*>(source), reinterpret_cast<void*>(destination));
}

// Exchanges through a temporary area: b to the area, a to b, the area to a.
static void ExchangeThrough(std::int32_t n, void* a, void* b, void* area) {
    MoveBytes(n, b, area);
    MoveBytes(n, a, b);
    MoveBytes(n, area, a);
}

void taupp(std::int32_t n, void* a, void* b) {
    if (n <= 0 || a == b) return;
    // The program exchanges at most a path buffer; that fits on the stack, so the
    // common exchange cannot fail for want of memory.
    constexpr std::int32_t stackSize = 512;
    unsigned char stackArea[stackSize];
    if (n <= stackSize) {
        ExchangeThrough(n, a, b, stackArea);
        return;
    }
    std::unique_ptr<unsigned char[]> heapArea(new (std::nothrow) unsigned char[n]);
    if (heapArea) {
        ExchangeThrough(n, a, b, heapArea.get());
        return;
    }
    // No memory for the whole block: exchange it piece by piece through the stack
    // area, which gives the same result for areas that do not overlap.
    auto* pa = static_cast<unsigned char*>(a);
    auto* pb = static_cast<unsigned char*>(b);
    for (std::int32_t done = 0; done < n; done += stackSize) {
        const std::int32_t piece = n - done < stackSize ? n - done : stackSize;
        ExchangeThrough(piece, pa + done, pb + done, stackArea);
    }
}
