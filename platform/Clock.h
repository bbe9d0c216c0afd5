#pragma once
// The system clock in local time, behind an interface so that a test can fix it.

#include "report/DateTexts.h"

namespace paarvinder {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  LocalDateTime Now() const override;
};

}  // namespace paarvinder
