#include "SearchFixtures.h"

namespace paarvinder::test {

namespace {

std::string FormatLetter(const ReportLine& line) {
  if (line.runs.size() != 1) return "?";
  const CharFormat format = line.runs.front().format;
  if (format == CharFormat{clRed, fsBold}) return "R";
  if (format == CharFormat{clDefault, fsBold}) return "B";
  if (format == CharFormat{}) return "-";
  return "?";
}

}  // namespace

std::vector<std::string> DescribeLines(const Report& report) {
  std::vector<std::string> lines;
  for (const ReportLine& line : report.Lines()) lines.push_back(FormatLetter(line) + "|" + line.text);
  return lines;
}

std::string DriveBeingWalked(const Report& report) {
  const std::string kWe = "\tWe zoeken ";
  for (std::size_t i = report.LineCount(); i-- > 0;) {
    const std::string& text = report.Line(i).text;
    if (text.rfind(kWe, 0) != 0) continue;
    // "...<root>  (<label>)": the root is the last word before the two spaces.
    const std::size_t labelStart = text.rfind("  (");
    const std::size_t rootStart = text.rfind(' ', labelStart - 1) + 1;
    std::string root = text.substr(rootStart, labelStart - rootStart);
    if (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
  }
  return "";
}

}  // namespace paarvinder::test
