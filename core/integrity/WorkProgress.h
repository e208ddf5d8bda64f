#pragma once
// How long work reports how far it got: bytes done of bytes in all. The answer false asks the
// work to stop; work that stops so reports itself cancelled.

#include <cstdint>
#include <functional>

#include "core/base/Types.h"

using WorkProgress = std::function<bool(std::int64_t nDone, std::int64_t nTotal)>;

// The text of work that the user stopped.
inline constexpr const char* kCancelled = "cancelled";
