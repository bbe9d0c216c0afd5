#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/Clock.h"

namespace paarvinder {
namespace {

// Sets TZ for one test and puts the previous value back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) previous_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> previous_;
};

// Seconds since the epoch of a local time read under TZ=UTC+offset.
std::time_t SecondsOf(const LocalDateTime& when, int offsetHours) {
  std::tm t{};
  t.tm_year = when.date.year - 1900;
  t.tm_mon = when.date.month - 1;
  t.tm_mday = when.date.day;
  t.tm_hour = when.time.hour;
  t.tm_min = when.time.minute;
  t.tm_sec = when.time.second;
  return timegm(&t) - offsetHours * 3600;
}

TEST(SystemClock, NowIsLocalTime) {
  struct Case {
    const char* zone;
    int offsetHours;
  };
  // POSIX zone strings: no time zone database needed.
  for (const Case c : {Case{"UTC0", 0}, Case{"XYZ-5", 5}, Case{"ABC+7", -7}}) {
    ScopedTimeZone zone(c.zone);
    const std::time_t before = std::time(nullptr);
    const LocalDateTime now = SystemClock().Now();
    const std::time_t after = std::time(nullptr);
    const std::time_t read = SecondsOf(now, c.offsetHours);
    EXPECT_LE(before, read) << c.zone;
    EXPECT_LE(read, after) << c.zone;
    EXPECT_GE(now.time.millisecond, 0);
    EXPECT_LT(now.time.millisecond, 1000);
  }
}

}  // namespace
}  // namespace paarvinder
