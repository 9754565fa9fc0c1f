// Byte buffers.
#pragma once

#include <cstdint>
#include <vector>

namespace toolkit {

using MemoryBlock = std::vector<uint8_t>;

// A new block of that many zero bytes; an empty block when the length is 0 or negative.
MemoryBlock allocate_memory(int64_t length);
void fill_memory(MemoryBlock& block, int64_t length, int value);
// Copies length bytes; the ranges may overlap.
void copy_memory(const void* source, void* destination, int64_t length);
void free_memory(MemoryBlock& block);

} // namespace toolkit
