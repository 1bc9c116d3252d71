// Memory for large blocks of pixels: a picture's, or a frame's. A large
// block is asked of the system in one piece of whole large pages, so that
// where the system gives them it comes in by a page fault for every 2 MiB
// that a decoder, a reader or a painter first writes, not for every 4 KiB:
// on some machines, virtual ones above all, a fault costs more than
// filling the page. Small blocks come from the heap as ever.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace ignivar::skin {

// A block of `bytes`, aligned for any pixel type; throws std::bad_alloc
// when there is no memory. Given back with the same size.
void* allocate_pixels(std::size_t bytes);
void free_pixels(void* block, std::size_t bytes) noexcept;

// A vector's allocator on those blocks. An element made without a value is
// left as the memory gives it (a fresh large block is zero), so that a
// block about to be filled whole is not written twice.
template <class T>
struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const PixelAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(allocate_pixels(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { free_pixels(p, n * sizeof(T)); }
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    template <class U>
    bool operator==(const PixelAllocator<U>&) const noexcept {
        return true;
    }
};

using PixelBytes = std::vector<std::uint8_t, PixelAllocator<std::uint8_t>>;

}  // namespace ignivar::skin
