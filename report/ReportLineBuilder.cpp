#include "report/ReportLineBuilder.h"

#include <limits>

#include "report/Utf8.h"

namespace paarvinder {

namespace {

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void ReportLineBuilder::AddCodePoint(char32_t codePoint, CharFormat format) {
  if (highSurrogate_ != 0 && IsLowSurrogate(codePoint)) {
    codePoint = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (codePoint - 0xDC00);
    format = highSurrogateFormat_;
    highSurrogate_ = 0;
  } else {
    FlushSurrogate();
    if (IsHighSurrogate(codePoint)) {
      highSurrogate_ = codePoint;
      highSurrogateFormat_ = format;
      return;
    }
  }
  SetFormatFrom(static_cast<std::int32_t>(line_.text.size()), format);
  AppendUtf8(line_.text, codePoint);
}

void ReportLineBuilder::AddBytes(std::string_view bytes, CharFormat format) {
  FlushSurrogate();
  SetFormatFrom(static_cast<std::int32_t>(line_.text.size()), format);
  line_.text += bytes;
}

void ReportLineBuilder::EndLine(CharFormat breakFormat) {
  FlushSurrogate();
  SetFormatFrom(static_cast<std::int32_t>(line_.text.size()), breakFormat);
  textLength_ += static_cast<std::int64_t>(line_.text.size()) + 2;
  lines_.push_back(std::move(line_));
  line_ = ReportLine{};
}

bool ReportLineBuilder::Finish(CharFormat breakFormat, std::vector<ReportLine>& lines) {
  FlushSurrogate();
  if (!line_.text.empty()) EndLine(breakFormat);
  if (textLength_ > std::numeric_limits<std::int32_t>::max()) return false;
  lines = std::move(lines_);
  lines_.clear();
  return true;
}

void ReportLineBuilder::FlushSurrogate() {
  if (highSurrogate_ == 0) return;
  highSurrogate_ = 0;
  SetFormatFrom(static_cast<std::int32_t>(line_.text.size()), highSurrogateFormat_);
  AppendUtf8(line_.text, kReplacementCharacter);
}

// Keeps the runs minimal: no empty run, no two neighbours alike.
void ReportLineBuilder::SetFormatFrom(std::int32_t offset, CharFormat format) {
  std::vector<FormatRun>& runs = line_.runs;
  if (runs.back().format == format) return;
  if (runs.back().start < offset) {
    runs.push_back({offset, format});
    return;
  }
  runs.back().format = format;
  if (runs.size() > 1 && runs[runs.size() - 2].format == format) runs.pop_back();
}

}  // namespace paarvinder
