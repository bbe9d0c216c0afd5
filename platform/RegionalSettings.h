#pragma once
// The regional settings that date and time texts follow, read from the C
// library's locale for times (LC_ALL, LC_TIME, LANG).

#include <string>

namespace paarvinder {

struct RegionalSettings {
  std::string shortDatePattern = "d-M-yyyy";  // d, dd, M, MM, yy, yyyy and "/"
  std::string dateSeparator = "-";            // what every "/" of the pattern becomes
  bool hourLeadingZero = true;
  bool twelveHourClock = false;
  bool amPmFirst = false;
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";
  std::string timeSeparator = ":";
};

// The settings of the process's current LC_TIME locale.
RegionalSettings RegionalSettingsFromLocale();

}  // namespace paarvinder
