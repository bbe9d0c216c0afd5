#include "report/DateTexts.h"

#include <cstdio>
#include <string_view>

namespace paarvinder {

namespace {

std::string Digits(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

// How many equal characters follow each other from `at` on.
std::size_t RunLength(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && text[end] == text[at]) ++end;
  return end - at;
}

}  // namespace

std::string ShortDateText(const RegionalSettings& settings, CivilDate date) {
  const std::string_view pattern = settings.shortDatePattern;
  std::string text;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    const std::size_t run = RunLength(pattern, i);
    switch (c) {
      case 'd':
        text += Digits(date.day, run >= 2 ? 2 : 1);
        break;
      case 'M':
        text += Digits(date.month, run >= 2 ? 2 : 1);
        break;
      case 'y':
        text += run <= 2 ? Digits(date.year % 100, 2) : Digits(date.year, 4);
        break;
      case '/':
        for (std::size_t k = 0; k < run; ++k) text += settings.dateSeparator;
        break;
      default:
        text.append(run, c);
    }
    i += run;
  }
  return text;
}

std::string LongTimeText(const RegionalSettings& settings, TimeOfDay time) {
  int hour = time.hour;
  if (settings.twelveHourClock) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  std::string text = Digits(hour, settings.hourLeadingZero ? 2 : 1);
  text += settings.timeSeparator + Digits(time.minute, 2);
  text += settings.timeSeparator + Digits(time.second, 2);
  if (!settings.twelveHourClock) return text;
  const std::string& designator = time.hour < 12 ? settings.amDesignator : settings.pmDesignator;
  return settings.amPmFirst ? designator + " " + text : text + " " + designator;
}

std::string DateTimeText(const RegionalSettings& settings, LocalDateTime when) {
  std::string text = ShortDateText(settings, when.date);
  const TimeOfDay& t = when.time;
  if (t.hour != 0 || t.minute != 0 || t.second != 0) text += " " + LongTimeText(settings, t);
  return text;
}

}  // namespace paarvinder
