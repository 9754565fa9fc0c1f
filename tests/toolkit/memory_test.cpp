#include <algorithm>
#include <numeric>

#include <gtest/gtest.h>

#include "toolkit/memory.h"

namespace {

using namespace toolkit;

MemoryBlock counting_block(int length) {
    MemoryBlock block = allocate_memory(length);
    std::iota(block.begin(), block.end(), uint8_t{1});
    return block;
}

TEST(Memory, AllocatesZeroedBlocksOrNone) {
    EXPECT_EQ(allocate_memory(2048), MemoryBlock(2048, 0));
    EXPECT_TRUE(allocate_memory(0).empty());
    EXPECT_TRUE(allocate_memory(-8).empty());
}

TEST(Memory, FillStaysInsideTheBlock) {
    MemoryBlock block = allocate_memory(8);
    fill_memory(block, 3, 0x1AB);
    EXPECT_EQ(block, (MemoryBlock{0xAB, 0xAB, 0xAB, 0, 0, 0, 0, 0}));
    fill_memory(block, 100, 7);
    EXPECT_EQ(block, MemoryBlock(8, 7));
    fill_memory(block, -1, 9);
    EXPECT_EQ(block, MemoryBlock(8, 7));
}

TEST(Memory, OverlappingCopiesGetTheSourceAsItWas) {
    // Moving glyphs up and down inside one charset, as the charset edits do.
    for (const int shift : {8, -8, 1, -1}) {
        MemoryBlock block = counting_block(64);
        const MemoryBlock before = block;
        const int source = shift > 0 ? 0 : -shift;
        copy_memory(block.data() + source, block.data() + source + shift, 48);
        MemoryBlock expected = before;
        std::copy_n(before.begin() + source, 48, expected.begin() + source + shift);
        EXPECT_EQ(block, expected) << "shift " << shift;
    }
}

TEST(Memory, CopyOfNothingChangesNothing) {
    MemoryBlock block = counting_block(4);
    copy_memory(block.data(), block.data() + 1, 0);
    copy_memory(block.data(), block.data() + 1, -3);
    EXPECT_EQ(block, counting_block(4));
}

TEST(Memory, FreeReleasesTheBlock) {
    MemoryBlock block = allocate_memory(100);
    free_memory(block);
    EXPECT_TRUE(block.empty());
    EXPECT_EQ(block.capacity(), 0u);
}

} // namespace
