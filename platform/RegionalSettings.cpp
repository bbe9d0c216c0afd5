#include "platform/RegionalSettings.h"

#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <optional>
#include <string_view>
#include <vector>

namespace paarvinder {

namespace {

enum class Field { Day, Month, ShortYear, Year, Hour24, Hour12, Minute, Second, AmPm, AmPmLower, Unsupported };

// A conversion of a strftime format, or a piece of literal text.
struct Token {
  std::optional<Field> field;
  bool zeroPadded = false;
  std::string text;
};

class FormatReader {
 public:
  explicit FormatReader(std::string_view amPmFormat) : amPmFormat_(amPmFormat) {}

  std::vector<Token> Read(std::string_view format) {
    std::vector<Token> tokens;
    Append(tokens, format, 0);
    return tokens;
  }

 private:
  void Append(std::vector<Token>& tokens, std::string_view format, int depth) {
    for (std::size_t i = 0; i < format.size();) {
      if (format[i] != '%') {
        AppendText(tokens, format.substr(i, 1));
        ++i;
        continue;
      }
      ++i;
      std::optional<char> padding;
      while (i < format.size() && std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
        if (format[i] != '^' && format[i] != '#') padding = format[i];
        ++i;
      }
      while (i < format.size() && format[i] >= '1' && format[i] <= '9') ++i;
      bool era = false;
      if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) era = format[i++] == 'E';
      if (i >= format.size() || era) {
        tokens.push_back({Field::Unsupported, false, {}});
        ++i;
        continue;
      }
      AppendConversion(tokens, format[i++], padding, depth);
    }
  }

  void AppendConversion(std::vector<Token>& tokens, char conversion, std::optional<char> padding,
                        int depth) {
    auto field = [&](Field f, bool zeroByDefault) {
      const bool zero = padding ? *padding == '0' : zeroByDefault;
      tokens.push_back({f, zero, {}});
    };
    switch (conversion) {
      case 'd': return field(Field::Day, true);
      case 'e': return field(Field::Day, false);
      case 'm': return field(Field::Month, true);
      case 'y': return field(Field::ShortYear, true);
      case 'Y': return field(Field::Year, true);
      case 'H': return field(Field::Hour24, true);
      case 'k': return field(Field::Hour24, false);
      case 'I': return field(Field::Hour12, true);
      case 'l': return field(Field::Hour12, false);
      case 'M': return field(Field::Minute, true);
      case 'S': return field(Field::Second, true);
      case 'p': return field(Field::AmPm, false);
      case 'P': return field(Field::AmPmLower, false);
      case 'D': return Append(tokens, "%m/%d/%y", depth + 1);
      case 'F': return Append(tokens, "%Y-%m-%d", depth + 1);
      case 'T': return Append(tokens, "%H:%M:%S", depth + 1);
      case 'R': return Append(tokens, "%H:%M", depth + 1);
      case 'r':
        // T_FMT_AMPM, unless it refers to itself.
        if (depth == 0) return Append(tokens, amPmFormat_, depth + 1);
        return field(Field::Unsupported, false);
      case '%': return AppendText(tokens, "%");
      default: return field(Field::Unsupported, false);
    }
  }

  static void AppendText(std::vector<Token>& tokens, std::string_view text) {
    if (tokens.empty() || tokens.back().field) tokens.push_back({});
    tokens.back().text += text;
  }

  std::string_view amPmFormat_;
};

bool IsField(const std::vector<Token>& tokens, std::size_t index, Field field) {
  return index < tokens.size() && tokens[index].field == field;
}

bool IsText(const std::vector<Token>& tokens, std::size_t index) {
  return index < tokens.size() && !tokens[index].field;
}

// The text between the field at `index` and the next field, when that is `next`.
std::string TextBefore(const std::vector<Token>& tokens, std::size_t index, Field next) {
  if (IsText(tokens, index + 1) && IsField(tokens, index + 2, next)) return tokens[index + 1].text;
  return {};
}

struct ShortDate {
  std::string pattern;
  std::string separator;
};

const ShortDate kIsoDate{"yyyy/MM/dd", "-"};

std::optional<ShortDate> ShortDateFrom(std::string_view dateFormat) {
  const std::vector<Token> tokens = FormatReader("").Read(dateFormat);
  ShortDate date{"", kIsoDate.separator};
  for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
    if (IsText(tokens, i) && tokens[i - 1].field && tokens[i + 1].field) {
      date.separator = tokens[i].text;
      break;
    }
  }
  bool day = false, month = false, year = false;
  for (const Token& token : tokens) {
    if (!token.field) {
      if (token.text == date.separator) {
        date.pattern += '/';
      } else if (token.text.find_first_of("dMy/") != std::string::npos) {
        return std::nullopt;  // literal text the pattern would misread
      } else {
        date.pattern += token.text;
      }
      continue;
    }
    switch (*token.field) {
      case Field::Day:
        date.pattern += token.zeroPadded ? "dd" : "d";
        day = true;
        break;
      case Field::Month:
        date.pattern += token.zeroPadded ? "MM" : "M";
        month = true;
        break;
      case Field::ShortYear:
        date.pattern += "yy";
        year = true;
        break;
      case Field::Year:
        date.pattern += "yyyy";
        year = true;
        break;
      default:
        return std::nullopt;
    }
  }
  if (!day || !month || !year) return std::nullopt;
  return date;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

void ApplyTimeFormats(RegionalSettings& settings, const LocaleTimeFormats& formats) {
  const std::vector<Token> tokens = FormatReader(formats.timeFormatAmPm).Read(formats.timeFormat);
  std::size_t hour = 0;
  while (hour < tokens.size() && !IsField(tokens, hour, Field::Hour24) && !IsField(tokens, hour, Field::Hour12)) {
    ++hour;
  }
  if (hour == tokens.size()) return;
  settings.hourLeadingZero = tokens[hour].zeroPadded;
  settings.twelveHourClock = IsField(tokens, hour, Field::Hour12);

  for (std::size_t i = 0; settings.twelveHourClock && i < tokens.size(); ++i) {
    const bool lower = IsField(tokens, i, Field::AmPmLower);
    if (!lower && !IsField(tokens, i, Field::AmPm)) continue;
    settings.amPmFirst = i < hour;
    if (lower) {
      settings.amDesignator = AsciiLower(settings.amDesignator);
      settings.pmDesignator = AsciiLower(settings.pmDesignator);
    }
    break;
  }

  // One separator for both gaps, as the long time pattern has only one.
  const std::string hoursToMinutes = TextBefore(tokens, hour, Field::Minute);
  if (hoursToMinutes.empty()) return;
  const bool seconds = std::any_of(tokens.begin(), tokens.end(),
                                   [](const Token& token) { return token.field == Field::Second; });
  if (!seconds || TextBefore(tokens, hour + 2, Field::Second) == hoursToMinutes) {
    settings.timeSeparator = hoursToMinutes;
  }
}

bool IsCLocale(std::string_view name) {
  return name == "C" || name == "POSIX" || name.starts_with("C.");
}

}  // namespace

RegionalSettings RegionalSettingsFromFormats(const LocaleTimeFormats& formats) {
  RegionalSettings settings;
  if (!formats.am.empty()) settings.amDesignator = formats.am;
  if (!formats.pm.empty()) settings.pmDesignator = formats.pm;

  if (IsCLocale(formats.localeName)) {
    settings.shortDatePattern = kIsoDate.pattern;
    settings.dateSeparator = kIsoDate.separator;
    return settings;  // the defaults: HH:mm:ss, 24-hour clock
  }

  const ShortDate date = ShortDateFrom(formats.dateFormat).value_or(kIsoDate);
  settings.shortDatePattern = date.pattern;
  settings.dateSeparator = date.separator;
  ApplyTimeFormats(settings, formats);
  return settings;
}

RegionalSettings RegionalSettingsFromLocale() {
  LocaleTimeFormats formats;
  const char* name = std::setlocale(LC_TIME, nullptr);
  formats.localeName = name ? name : "C";
  formats.dateFormat = nl_langinfo(D_FMT);
  formats.timeFormat = nl_langinfo(T_FMT);
  formats.timeFormatAmPm = nl_langinfo(T_FMT_AMPM);
  formats.am = nl_langinfo(AM_STR);
  formats.pm = nl_langinfo(PM_STR);
  return RegionalSettingsFromFormats(formats);
}

}  // namespace paarvinder
