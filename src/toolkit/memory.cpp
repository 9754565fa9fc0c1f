#include "toolkit/memory.h"

#include <algorithm>
#include <cstring>

namespace toolkit {

MemoryBlock allocate_memory(int64_t length) {
    if (length <= 0) return {};
    return MemoryBlock(static_cast<size_t>(length), 0);
}

void fill_memory(MemoryBlock& block, int64_t length, int value) {
    // Never past the block's end, whatever length the caller passes.
    const auto count = std::clamp<int64_t>(length, 0, static_cast<int64_t>(block.size()));
    std::fill_n(block.begin(), count, static_cast<uint8_t>(value));
}

void copy_memory(const void* source, void* destination, int64_t length) {
    if (length <= 0) return;
    std::memmove(destination, source, static_cast<size_t>(length));
}

void free_memory(MemoryBlock& block) {
    MemoryBlock().swap(block);
}

} // namespace toolkit
