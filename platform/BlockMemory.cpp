#include "platform/BlockMemory.h"

#include <bit>
#include <cstdint>
#include <iterator>
#include <mutex>
#include <sys/mman.h>
#include <utility>
#include <vector>

namespace platform {
namespace {

// GCC names AddressSanitizer builds by a macro, clang by a feature.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPlainMemory = true;
#elif defined(__has_feature)
constexpr bool kPlainMemory = __has_feature(address_sanitizer);
#else
constexpr bool kPlainMemory = false;
#endif

constexpr std::size_t kLargePage = std::size_t(2) << 20;
constexpr std::size_t kSmallest = 4096;        // below: plain operator new
constexpr std::size_t kLargestPooled = 1 << 20;  // above: a mapping of its own
constexpr int kClasses = 9;                      // 4 KiB, 8 KiB, ... 1 MiB

// A fresh mapping of whole large pages, aligned to them and marked for them.
void* MapLargePages(std::size_t bytes)
{
    const std::size_t length = bytes + kLargePage;
    void* mapped = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kLargePage - 1) & ~(kLargePage - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    if (const std::uintptr_t end = aligned + bytes; end < start + length)
        munmap(reinterpret_cast<void*>(end), start + length - end);
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

std::size_t RoundToLargePages(std::size_t bytes) { return (bytes + kLargePage - 1) & ~(kLargePage - 1); }

int ClassOf(std::size_t bytes) { return static_cast<int>(std::bit_width(std::bit_ceil(bytes) / kSmallest)) - 1; }

// Freed blocks by size class; their large pages are never given back, so
// the pool holds at most what the largest systems of the run used at once.
// Of the blocks above the largest class, which have mappings of their own,
// the last two freed are kept for a request of the same size: a redrawn
// grid needs its texts' block while the previous one is still shown.
class BlockPool {
public:
    void* TakeLarge(std::size_t bytes)
    {
        {
            const std::lock_guard lock(mutex_);
            for (LargeBlock& kept : large_)
                if (kept.block && kept.bytes == bytes)
                    return std::exchange(kept.block, nullptr);
        }
        return MapLargePages(bytes);
    }

    void GiveLarge(void* block, std::size_t bytes)
    {
        void* dropped = nullptr;
        std::size_t droppedBytes = 0;
        {
            const std::lock_guard lock(mutex_);
            LargeBlock& slot = large_[nextLarge_];
            nextLarge_ = (nextLarge_ + 1) % std::size(large_);
            dropped = std::exchange(slot.block, block);
            droppedBytes = std::exchange(slot.bytes, bytes);
        }
        if (dropped)
            munmap(dropped, droppedBytes);
    }

    void* Take(int sizeClass)
    {
        const std::lock_guard lock(mutex_);
        std::vector<void*>& free = free_[sizeClass];
        if (free.empty()) {
            const std::size_t size = kSmallest << sizeClass;
            char* region = static_cast<char*>(MapLargePages(kLargePage));
            for (std::size_t offset = kLargePage; offset >= size; offset -= size)
                free.push_back(region + offset - size);
        }
        void* block = free.back();
        free.pop_back();
        return block;
    }

    void Give(void* block, int sizeClass)
    {
        const std::lock_guard lock(mutex_);
        try {
            free_[sizeClass].push_back(block);
        } catch (...) {
            // No room to remember the block: it is lost to the pool, not freed twice.
        }
    }

private:
    struct LargeBlock {
        void* block = nullptr;
        std::size_t bytes = 0;
    };

    std::mutex mutex_;
    std::vector<void*> free_[kClasses];
    LargeBlock large_[2];
    std::size_t nextLarge_ = 0;
};

// Never destroyed: arrays of static lifetime (the current equation set)
// give their blocks back after every static object has gone.
BlockPool& Pool()
{
    static BlockPool* const pool = new BlockPool;
    return *pool;
}

}  // namespace

void* AllocateBlock(std::size_t bytes)
{
    if (kPlainMemory || bytes < kSmallest)
        return ::operator new(bytes);
    if (bytes > kLargestPooled)
        return Pool().TakeLarge(RoundToLargePages(bytes));
    return Pool().Take(ClassOf(bytes));
}

void FreeBlock(void* block, std::size_t bytes) noexcept
{
    if (!block)
        return;
    if (kPlainMemory || bytes < kSmallest)
        ::operator delete(block);
    else if (bytes > kLargestPooled)
        Pool().GiveLarge(block, RoundToLargePages(bytes));
    else
        Pool().Give(block, ClassOf(bytes));
}

}  // namespace platform
