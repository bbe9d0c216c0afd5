#pragma once
// Collects the lines that a reader of a file produces, character by character,
// with the format of each character, into the report's lines.

#include <cstdint>
#include <string_view>
#include <vector>

#include "report/Report.h"

namespace paarvinder {

class ReportLineBuilder {
 public:
  // Appends a character. A high surrogate waits for the low one that may
  // follow, so that a pair makes one character; a surrogate left alone reads
  // as U+FFFD, except the escape of a raw byte (report/Utf8.h).
  void AddCodePoint(char32_t codePoint, CharFormat format);
  // Appends bytes as they are.
  void AddBytes(std::string_view bytes, CharFormat format);
  // Ends the line; its line break takes `breakFormat`.
  void EndLine(CharFormat breakFormat);
  // The lines; a last line without a line break counts when it holds text.
  // False when the text would pass the positions a report can count.
  bool Finish(CharFormat breakFormat, std::vector<ReportLine>& lines);

 private:
  void FlushSurrogate();
  void SetFormatFrom(std::int32_t offset, CharFormat format);

  std::vector<ReportLine> lines_;
  ReportLine line_;
  std::int64_t textLength_ = 0;
  char32_t highSurrogate_ = 0;
  CharFormat highSurrogateFormat_;
};

}  // namespace paarvinder
