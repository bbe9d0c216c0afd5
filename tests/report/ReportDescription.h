#pragma once
// Test helpers: a report's formats in a form that reads well in expectations
// and failure messages, and a whole-report comparison.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/Report.h"

namespace paarvinder {

inline std::string DescribeFormat(CharFormat format) {
  std::string text = format.colour == clDefault ? "default"
                     : format.colour == clRed   ? "red"
                     : format.colour == clBlack ? "black"
                                                : std::to_string(format.colour);
  if (format.style & fsBold) text += " b";
  if (format.style & fsItalic) text += " i";
  if (format.style & fsUnderline) text += " u";
  if (format.style & fsStrikeOut) text += " s";
  return text;
}

// "0 red b, 21 default": where each run starts and its format.
inline std::string DescribeRuns(const ReportLine& line) {
  std::string text;
  for (const FormatRun& run : line.runs) {
    if (!text.empty()) text += ", ";
    text += std::to_string(run.start) + " " + DescribeFormat(run.format);
  }
  return text;
}

inline std::vector<std::string> TextsOf(const std::vector<ReportLine>& lines) {
  std::vector<std::string> texts;
  for (const ReportLine& line : lines) texts.push_back(line.text);
  return texts;
}

// Same lines, same text length, the same format at every position.
inline void ExpectSameReport(const Report& actual, const Report& expected) {
  EXPECT_EQ(TextsOf(actual.Lines()), TextsOf(expected.Lines()));
  ASSERT_EQ(actual.GetTextLen(), expected.GetTextLen());
  for (std::int32_t position = 0; position < expected.GetTextLen(); ++position) {
    ASSERT_EQ(DescribeFormat(actual.FormatAt(position)), DescribeFormat(expected.FormatAt(position)))
        << "at position " << position;
  }
}

}  // namespace paarvinder
