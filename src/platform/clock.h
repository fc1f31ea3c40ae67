#pragma once

namespace zelvan::platform {

struct LocalDateTime {
  int year = 1980;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

// The local date and time of the machine.
class SystemClock final : public Clock {
 public:
  LocalDateTime Now() const override;
};

}  // namespace zelvan::platform
