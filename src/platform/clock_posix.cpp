#include "platform/clock.h"

#include <ctime>

namespace zelvan::platform {

LocalDateTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  // localtime_r, not localtime: the latter shares one static buffer between threads.
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    return LocalDateTime{};
  }
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace zelvan::platform
