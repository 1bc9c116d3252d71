// Memory for large blocks of pixels: a picture's, or a frame's. A large
// block is asked of the system in one piece of whole large pages, so that
// where the system gives them it comes in by a page fault for every 2 MiB
// that a decoder, a reader or a painter first writes, not for every 4 KiB:
// on some machines, virtual ones above all, a fault costs more than
// filling the page. Small blocks come from the heap as ever.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace ignivar::skin {

// A block of `bytes`, aligned for any pixel type; throws std::bad_alloc
// when there is no memory. Given back with the same size.
void* allocate_pixels(std::size_t bytes);
void free_pixels(void* block, std::size_t bytes) noexcept;

// A picture's bytes: a block of their own, or bytes that another owner
// holds and lends for as long as they are kept (a kept picture's file
// mapped into memory, where writing copies the page written). A copy
// always has a block of its own.
class PixelBytes {
public:
    PixelBytes() = default;
    // `size` bytes as the memory gives them (a fresh large block is zero),
    // for one about to write every one of them.
    explicit PixelBytes(std::size_t size);
    PixelBytes(std::size_t size, std::uint8_t value);
    // The `size` bytes at `data`, which `owner` holds and which may be written.
    PixelBytes(std::shared_ptr<void> owner, std::uint8_t* data, std::size_t size)
        : data_(data), size_(size), owner_(std::move(owner)) {}
    PixelBytes(const PixelBytes& other);
    PixelBytes(PixelBytes&& other) noexcept;
    PixelBytes& operator=(PixelBytes other) noexcept;
    ~PixelBytes();

    std::uint8_t* data() noexcept { return data_; }
    const std::uint8_t* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    std::uint8_t& operator[](std::size_t i) noexcept { return data_[i]; }
    const std::uint8_t& operator[](std::size_t i) const noexcept { return data_[i]; }
    std::uint8_t* begin() noexcept { return data_; }
    std::uint8_t* end() noexcept { return data_ + size_; }
    const std::uint8_t* begin() const noexcept { return data_; }
    const std::uint8_t* end() const noexcept { return data_ + size_; }
    std::uint8_t back() const noexcept { return data_[size_ - 1]; }

    friend bool operator==(const PixelBytes& a, const PixelBytes& b) noexcept;

private:
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::shared_ptr<void> owner_;  // set while the bytes are another's
};

}  // namespace ignivar::skin
