#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/RegionalSettings.h"
#include "report/DateTexts.h"

namespace paarvinder {
namespace {

struct Expected {
  const char* pattern;
  const char* dateSeparator;
  bool leadingZero, twelveHour, amPmFirst;
  const char* am;
  const char* pm;
  const char* timeSeparator;
};

RegionalSettings Settings(const Expected& e) {
  return {e.pattern, e.dateSeparator, e.leadingZero, e.twelveHour, e.amPmFirst, e.am, e.pm, e.timeSeparator};
}

// The langinfo strings are those of glibc 2.36's locales.
TEST(RegionalSettings, TranslatesLocaleFormats) {
  struct Case {
    LocaleTimeFormats formats;
    Expected expected;
    const char* dateTimeText;  // 9 November 2011, 13:05:09
  };
  const Case cases[] = {
      {{"nl_NL.UTF-8", "%d-%m-%y", "%T", "", "", ""},
       {"dd/MM/yy", "-", true, false, false, "AM", "PM", ":"},
       "09-11-11 13:05:09"},
      {{"en_US.UTF-8", "%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"},
       {"MM/dd/yyyy", "/", true, true, false, "AM", "PM", ":"},
       "11/09/2011 01:05:09 PM"},
      {{"en_GB.UTF-8", "%d/%m/%y", "%T", "%l:%M:%S %P %Z", "am", "pm"},
       {"dd/MM/yy", "/", true, false, false, "am", "pm", ":"},
       "09/11/11 13:05:09"},
      {{"de_DE.UTF-8", "%d.%m.%Y", "%T", "", "", ""},
       {"dd/MM/yyyy", ".", true, false, false, "AM", "PM", ":"},
       "09.11.2011 13:05:09"},
      {{"fi_FI.UTF-8", "%d.%m.%Y", "%H.%M.%S", "", "", ""},
       {"dd/MM/yyyy", ".", true, false, false, "AM", "PM", "."},
       "09.11.2011 13.05.09"},
      {{"cs_CZ.UTF-8", "%-d.%-m.%Y", "%H:%M:%S", "", "", ""},
       {"d/M/yyyy", ".", true, false, false, "AM", "PM", ":"},
       "9.11.2011 13:05:09"},
      {{"bg_BG.UTF-8", "%e.%m.%Y", "%k:%M:%S", "", "", ""},
       {"d/MM/yyyy", ".", false, false, false, "AM", "PM", ":"},
       "9.11.2011 13:05:09"},
      {{"sv_SE.UTF-8", "%Y-%m-%d", "%H:%M:%S", "", "", ""},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      {{"en_CA.UTF-8", "%Y-%m-%d", "%r", "%I:%M:%S %p", "AM", "PM"},
       {"yyyy/MM/dd", "-", true, true, false, "AM", "PM", ":"},
       "2011-11-09 01:05:09 PM"},
      // Different texts between the time fields: the one separator is ":".
      {{"ja_JP.UTF-8", "%Y年%m月%d日", "%H時%M分%S秒", "%p%I時%M分%S秒", "午前", "午後"},
       {"yyyy/MM月dd日", "年", true, false, false, "午前", "午後", ":"},
       "2011年11月09日 13:05:09"},
      {{"ko_KR.UTF-8", "%Y년 %m월 %d일", "%H시 %M분 %S초", "%p %I시 %M분 %S초", "오전", "오후"},
       {"yyyy/MM월 dd일", "년 ", true, false, false, "오전", "오후", ":"},
       "2011년 11월 09일 13:05:09"},
      // Month names and era years cannot be expressed: ISO dates.
      {{"ar_EG.UTF-8", "%d %b, %Y", "%Z %I:%M:%S %p", "%Z %I:%M:%S %p", "ص", "م"},
       {"yyyy/MM/dd", "-", true, true, false, "ص", "م", ":"},
       "2011-11-09 01:05:09 م"},
      {{"th_TH.UTF-8", "%d/%m/%Ey", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      // Composite conversions, flags, the designator first, lower case, no seconds.
      {{"x", "%D", "%r", "%p %l:%M:%S", "AM", "PM"},
       {"MM/dd/yy", "/", false, true, true, "AM", "PM", ":"},
       "11/09/11 PM 1:05:09"},
      {{"x", "%_d %0m %y", "%-I.%M %P", "", "AM", "PM"},
       {"d/MM/yy", " ", false, true, false, "am", "pm", "."},
       "9 11 11 1.05.09 pm"},
      {{"x", "%d-%m", "%R", "", "", ""},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      {{"x", "%d-%m-%Y (day)", "%H:%M:%S", "", "", ""},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      {{"x", "%Y%m%d", "%H%M%S", "", "", ""},
       {"yyyyMMdd", "-", true, false, false, "AM", "PM", ":"},
       "20111109 13:05:09"},
      // The C locale's %m/%d/%y reads differently across the world.
      {{"C", "%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      {{"POSIX", "%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
      {{"C.UTF-8", "%m/%d/%y", "%H:%M:%S", "%I:%M:%S %p", "AM", "PM"},
       {"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"},
       "2011-11-09 13:05:09"},
  };
  for (const Case& c : cases) {
    const RegionalSettings settings = RegionalSettingsFromFormats(c.formats);
    const std::string label = c.formats.localeName + " " + c.formats.dateFormat + " " + c.formats.timeFormat;
    EXPECT_EQ(settings, Settings(c.expected)) << label << ": " << settings.shortDatePattern << " '"
                                              << settings.dateSeparator << "' '" << settings.timeSeparator << "'";
    EXPECT_EQ(DateTimeText(settings, {{2011, 11, 9}, {13, 5, 9}}), c.dateTimeText) << label;
  }
}

// Sets a locale for one test and puts the previous one back.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

TEST(RegionalSettings, ReadsTheCurrentCLocale) {
  for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
    ScopedLocale locale(name);
    ASSERT_TRUE(locale.ok()) << name;
    const RegionalSettings settings = RegionalSettingsFromLocale();
    EXPECT_EQ(settings, Settings({"yyyy/MM/dd", "-", true, false, false, "AM", "PM", ":"})) << name;
    EXPECT_EQ(DateTimeText(settings, {{2024, 3, 5}, {0, 30, 0}}), "2024-03-05 00:30:00") << name;
  }
}

}  // namespace
}  // namespace paarvinder
