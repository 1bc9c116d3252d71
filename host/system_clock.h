// The computer's local date and time, as the unit's watch reads it.
#pragma once

#include "sim/ports.h"

namespace ignivar::host {

class SystemClock : public LocalClock {
public:
    LocalTime now() override;
};

}  // namespace ignivar::host
