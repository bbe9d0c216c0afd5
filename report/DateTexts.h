#pragma once
// The short date text, long time text and date-time text, as pure functions of
// the regional settings.

#include <string>

#include "platform/RegionalSettings.h"

namespace paarvinder {

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

struct LocalDateTime {
  CivilDate date;
  TimeOfDay time;
};

std::string ShortDateText(const RegionalSettings& settings, CivilDate date);
std::string LongTimeText(const RegionalSettings& settings, TimeOfDay time);
// The short date text, then a blank and the long time text unless the time is
// exactly 0:00:00 (milliseconds do not count).
std::string DateTimeText(const RegionalSettings& settings, LocalDateTime when);

}  // namespace paarvinder
