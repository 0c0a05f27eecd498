#pragma once

#include <cstddef>
#include <new>

namespace platform {

// Memory for the large arrays of an equation set: the rows of its matrices
// and the texts of its grid. A system of 1000 equations touches about 160 MB
// at once, and on many machines touching fresh memory page by page costs far
// more than filling it, so these blocks come from regions the system backs
// with large pages where it can. Blocks of a size class freed by one system
// serve the next, so making systems of the same size again costs nothing.
// Builds with AddressSanitizer take plain operator new, so that it still
// sees every block.
void* AllocateBlock(std::size_t bytes);  // throws std::bad_alloc
void FreeBlock(void* block, std::size_t bytes) noexcept;

// The allocator of containers whose elements live in such blocks.
template <class T>
struct BlockAllocator {
    using value_type = T;

    BlockAllocator() = default;
    template <class U>
    BlockAllocator(const BlockAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(AllocateBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { FreeBlock(block, count * sizeof(T)); }

    friend bool operator==(const BlockAllocator&, const BlockAllocator&) { return true; }
};

}  // namespace platform
