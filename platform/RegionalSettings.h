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
  friend bool operator==(const RegionalSettings&, const RegionalSettings&) = default;
};

// What the C library tells of an LC_TIME locale (nl_langinfo).
struct LocaleTimeFormats {
  std::string localeName;      // setlocale(LC_TIME, nullptr)
  std::string dateFormat;      // D_FMT, e.g. "%d-%m-%y"
  std::string timeFormat;      // T_FMT, e.g. "%T" or "%r"
  std::string timeFormatAmPm;  // T_FMT_AMPM, e.g. "%I:%M:%S %p"
  std::string am;              // AM_STR
  std::string pm;              // PM_STR
};

// The settings that the locale's formats express:
// - Short date: the day, month and year conversions of D_FMT (%d %e %m %y %Y,
//   %D, %F, with the GNU flags "-", "_" and "0"), the first text between two
//   fields as the date separator. A format this cannot express (month names,
//   era years, literal letters) gives the ISO date yyyy-MM-dd.
// - Hours: a leading zero for %H and %I, none for %k, %l and the "-" or "_"
//   flags; a 12-hour clock when T_FMT has %I, %l or %r, the designator first
//   when %p comes before the hour, lower-case designators for %P.
// - Time separator: the text between hours and minutes when it is also the one
//   between minutes and seconds, else ":".
// The C and POSIX locales (C.UTF-8 too) give ISO dates and a 24-hour clock,
// yyyy-MM-dd HH:mm:ss: their own %m/%d/%y reads differently across the world.
RegionalSettings RegionalSettingsFromFormats(const LocaleTimeFormats& formats);

// The settings of the process's current LC_TIME locale.
RegionalSettings RegionalSettingsFromLocale();

}  // namespace paarvinder
