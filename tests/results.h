// Results as text, so that a test compares a failure's message directly.
#pragma once

#include <string>

namespace ignivar::test {

// Empty on success, else the message.
template <typename R>
std::string error_text(const R& r) {
    return r ? std::string() : r.message();
}

}  // namespace ignivar::test
