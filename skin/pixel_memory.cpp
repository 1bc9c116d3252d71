#include "skin/pixel_memory.h"

#include <cstring>
#include <new>
#include <utility>

// Under AddressSanitizer every block comes from the heap, where overruns
// are caught; elsewhere than on Linux too.
#if defined(__SANITIZE_ADDRESS__)
#define IGNIVAR_HEAP_PIXELS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define IGNIVAR_HEAP_PIXELS 1
#endif
#endif
#if defined(__linux__) && !defined(IGNIVAR_HEAP_PIXELS)
#define IGNIVAR_MAPPED_PIXELS 1
#include <sys/mman.h>
#endif

namespace ignivar::skin {
namespace {

#ifdef IGNIVAR_MAPPED_PIXELS
constexpr std::size_t kLargeBlock = 1u << 20;
constexpr std::size_t kLargePage = 2u << 20;

bool mapped(std::size_t bytes) { return bytes >= kLargeBlock && bytes <= (std::size_t{1} << 40); }
// A large block is whole large pages: its last one too, or that part of it
// would be brought in 4 KiB at a time. At most one large page less 4 KiB
// is more than was asked.
std::size_t large_pages(std::size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }
#endif

}  // namespace

void* allocate_pixels(std::size_t bytes) {
#ifdef IGNIVAR_MAPPED_PIXELS
    if (mapped(bytes)) {
        const std::size_t size = large_pages(bytes);
        // Begun on a large page's boundary; the room around it is given back at once.
        const std::size_t room = size + kLargePage;
        void* raw = ::mmap(nullptr, room, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) throw std::bad_alloc();
        auto* const from = static_cast<std::uint8_t*>(raw);
        const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(from);
        auto* const block = from + (((start + kLargePage - 1) & ~(kLargePage - 1)) - start);
        if (block > from) ::munmap(from, static_cast<std::size_t>(block - from));
        if (from + room > block + size) ::munmap(block + size, static_cast<std::size_t>(from + room - (block + size)));
        // Only advice: where large pages are not given, the block is the
        // same, brought in 4 KiB at a time as it is written. (Bringing it
        // in at once here would hold the process's memory map locked for
        // as long, and hold up another thread mapping a library meanwhile.)
        (void)::madvise(block, size, MADV_HUGEPAGE);
        return block;
    }
#endif
    return ::operator new(bytes);
}

void free_pixels(void* block, [[maybe_unused]] std::size_t bytes) noexcept {
    if (!block) return;
#ifdef IGNIVAR_MAPPED_PIXELS
    if (mapped(bytes)) {
        ::munmap(block, large_pages(bytes));
        return;
    }
#endif
    ::operator delete(block);
}

PixelBytes::PixelBytes(std::size_t size)
    : data_(size ? static_cast<std::uint8_t*>(allocate_pixels(size)) : nullptr), size_(size) {}

PixelBytes::PixelBytes(std::size_t size, std::uint8_t value) : PixelBytes(size) {
    if (size) std::memset(data_, value, size);
}

PixelBytes::PixelBytes(const PixelBytes& other) : PixelBytes(other.size_) {
    if (size_) std::memcpy(data_, other.data_, size_);
}

PixelBytes::PixelBytes(PixelBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)), owner_(std::move(other.owner_)) {}

PixelBytes& PixelBytes::operator=(PixelBytes other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(owner_, other.owner_);
    return *this;
}

PixelBytes::~PixelBytes() {
    if (!owner_) free_pixels(data_, size_);
}

bool operator==(const PixelBytes& a, const PixelBytes& b) noexcept {
    return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.data_, b.data_, a.size_) == 0);
}

}  // namespace ignivar::skin
