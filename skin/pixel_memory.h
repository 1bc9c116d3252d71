// A picture's bytes, owned or lent. Blocks come from the heap: large pages
// for large blocks were tried and dropped, because on a machine short of
// free large pages (virtual ones above all) the first start stalled while
// the system found and cleared them, and painting from them was no faster
// by a measurable share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace ignivar::skin {

// A picture's bytes: a block of their own, or bytes that another owner
// holds and lends for as long as they are kept (a kept picture's file
// mapped into memory, where writing copies the page written). A copy
// always has a block of its own.
class PixelBytes {
public:
    PixelBytes() = default;
    // `size` bytes not yet set, for one about to write every one of them.
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
