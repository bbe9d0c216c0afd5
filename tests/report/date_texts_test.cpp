#include <gtest/gtest.h>

#include "report/DateTexts.h"

namespace paarvinder {
namespace {

RegionalSettings DateSettings(std::string pattern, std::string separator) {
  RegionalSettings settings;
  settings.shortDatePattern = std::move(pattern);
  settings.dateSeparator = std::move(separator);
  return settings;
}

TEST(DateTexts, ShortDateFollowsPatternAndSeparator) {
  struct Case {
    const char* pattern;
    const char* separator;
    CivilDate date;
    const char* expected;
  };
  const Case cases[] = {
      {"d-M-yyyy", "-", {2011, 11, 9}, "9-11-2011"},
      {"d-M-yyyy", "-", {2024, 3, 5}, "5-3-2024"},
      {"d/MM/yyyy", "/", {2011, 11, 9}, "9/11/2011"},
      {"d/MM/yyyy", "/", {2024, 3, 5}, "5/03/2024"},
      {"d/MM/yyyy", ".", {2024, 3, 5}, "5.03.2024"},
      {"dd.MM.yyyy", "-", {2024, 3, 5}, "05.03.2024"},
      {"dd/MM/yy", "-", {2009, 12, 31}, "31-12-09"},
      {"yyyy-MM-dd", "-", {987, 1, 2}, "0987-01-02"},
      {"M/d/yyyy", "//", {2011, 11, 9}, "11//9//2011"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortDateText(DateSettings(c.pattern, c.separator), c.date), c.expected)
        << c.pattern << " with '" << c.separator << "'";
  }
}

TEST(DateTexts, LongTimeFromClockSettings) {
  struct Case {
    bool leadingZero, twelveHour, amPmFirst;
    const char* separator;
    TimeOfDay time;
    const char* expected;
  };
  const Case cases[] = {
      {false, false, false, ":", {0, 30, 0}, "0:30:00"},
      {true, false, false, ":", {0, 30, 0}, "00:30:00"},
      {true, false, false, ":", {13, 5, 9}, "13:05:09"},
      {false, false, false, ".", {13, 5, 9}, "13.05.09"},
      // A 12-hour clock: 12 for the first hour after midnight, 1 for 13:00.
      {false, true, false, ":", {0, 30, 0}, "12:30:00 AM"},
      {true, true, false, ":", {0, 30, 0}, "12:30:00 AM"},
      {false, true, false, ":", {13, 5, 9}, "1:05:09 PM"},
      {true, true, false, ":", {13, 5, 9}, "01:05:09 PM"},
      {false, true, false, ":", {12, 0, 0}, "12:00:00 PM"},
      {false, true, false, ":", {11, 59, 59, 999}, "11:59:59 AM"},
      {true, true, true, ":", {9, 7, 3}, "AM 09:07:03"},
      {false, true, true, ".", {23, 0, 1}, "PM 11.00.01"},
  };
  for (const Case& c : cases) {
    RegionalSettings settings;
    settings.hourLeadingZero = c.leadingZero;
    settings.twelveHourClock = c.twelveHour;
    settings.amPmFirst = c.amPmFirst;
    settings.timeSeparator = c.separator;
    EXPECT_EQ(LongTimeText(settings, c.time), c.expected) << c.expected;
  }
}

TEST(DateTexts, DesignatorsAreTheSettings) {
  RegionalSettings settings;
  settings.twelveHourClock = true;
  settings.amDesignator = "vm";
  settings.pmDesignator = "nm";
  EXPECT_EQ(LongTimeText(settings, {8, 0, 0}), "08:00:00 vm");
  EXPECT_EQ(LongTimeText(settings, {20, 0, 0}), "08:00:00 nm");
}

TEST(DateTexts, DateTimeLeavesOutMidnight) {
  RegionalSettings settings = DateSettings("d-M-yyyy", "-");
  settings.hourLeadingZero = false;
  const CivilDate day{2011, 11, 9};
  EXPECT_EQ(DateTimeText(settings, {day, {0, 0, 0, 0}}), "9-11-2011");
  EXPECT_EQ(DateTimeText(settings, {day, {0, 0, 0, 999}}), "9-11-2011");
  EXPECT_EQ(DateTimeText(settings, {day, {0, 0, 1, 0}}), "9-11-2011 0:00:01");
  EXPECT_EQ(DateTimeText(settings, {day, {14, 30, 0, 0}}), "9-11-2011 14:30:00");
  settings.twelveHourClock = true;
  EXPECT_EQ(DateTimeText(settings, {day, {0, 0, 1, 0}}), "9-11-2011 12:00:01 AM");
}

}  // namespace
}  // namespace paarvinder
