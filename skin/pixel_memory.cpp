#include "skin/pixel_memory.h"

#include <cstring>
#include <utility>

namespace ignivar::skin {

PixelBytes::PixelBytes(std::size_t size)
    : data_(size ? new std::uint8_t[size] : nullptr), size_(size) {}

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
    if (!owner_) delete[] data_;
}

bool operator==(const PixelBytes& a, const PixelBytes& b) noexcept {
    return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.data_, b.data_, a.size_) == 0);
}

}  // namespace ignivar::skin
