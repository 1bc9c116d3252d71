// The skin loader's one load, for the entry points of skin.h: it may throw
// std::bad_alloc, which they turn into a message.
#pragma once

#include "skin/skin.h"

namespace ignivar::skin {

Status load_skin_within_budget(const LoadRequest& req, Skin& skin);

}  // namespace ignivar::skin
