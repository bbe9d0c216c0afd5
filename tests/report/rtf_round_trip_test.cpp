#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ReportDescription.h"
#include "report/MarkedBlock.h"
#include "report/ResultsFile.h"
#include "report/RtfLexer.h"
#include "report/RtfReader.h"
#include "report/RtfWriter.h"

namespace paarvinder {
namespace {

void FormatRange(Report& report, std::int32_t start, std::int32_t length, FontStyles style) {
  report.SetSelStart(start);
  report.SetSelLength(length);
  report.SetSelStyle(style);
}

// A report with every kind of text and format a results file must keep.
Report SampleReport() {
  Report report;
  MarkedBlock header(report);
  report.Add("Zoeken naar BRIEF.DOC");
  header.Format(BlockTreatment::RedBold);
  MarkedBlock heading(report);
  report.Add("Vaste schijf / (systeem)");
  heading.Format(BlockTreatment::Bold);
  report.Add("\t/home/anna/brief.doc gevonden! (1234 bytes)");
  report.Add("\t/home/jos/Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 {x}.doc gevonden! (5 bytes)");
  // Names as the file system gives them: bytes that are not UTF-8, control
  // characters, a backslash, and text that looks like RTF.
  report.Add("\t/mnt/oud/caf\xE9\xFF\xC3 \xED\xA0\x80\xC0\xAF.txt gevonden! (7 bytes)");
  report.Add("\t/tmp/a\nb\\c\r\x01\x7F\xC2\x85\\par {\\b x}.txt gevonden! (0 bytes)");
  report.Add("");
  report.Add(" begint met een spatie, 123 en -4");
  const std::int32_t styled = report.GetTextLen();
  report.Add("cursief onderstreept doorgestreept alles 42");
  FormatRange(report, styled, 7, fsItalic);
  FormatRange(report, styled + 8, 12, fsUnderline);
  FormatRange(report, styled + 21, 13, fsStrikeOut);
  FormatRange(report, styled + 35, 5, fsBold | fsItalic | fsUnderline | fsStrikeOut);
  FormatRange(report, styled + 41, 1, fsBold);  // a format change between two digits
  // A format that starts inside a two-byte character.
  const std::int32_t split = report.GetTextLen();
  report.Add("x\xC3\xA9y");
  FormatRange(report, split + 2, 2, fsBold);
  report.SetSelStart(split + 2);
  report.SetSelLength(2);
  report.SetSelColor(0x00FF8000);
  MarkedBlock info(report);
  report.Add("Mirtelo");
  info.Format(BlockTreatment::BlackBold);
  report.Add("\tNiets gevonden...");
  MarkedBlock trailer(report);
  report.Add("9-11-2011 13:05:09");
  report.Add("Zoektijd: 0:00:03");
  trailer.Format(BlockTreatment::RedBold);
  return report;
}

TEST(RtfRoundTrip, SavedReportReadsBackIdentically) {
  const Report original = SampleReport();
  const auto lines = ReadRtf(WriteRtf(original.Lines()));
  ASSERT_TRUE(lines.has_value());
  Report reread;
  reread.Replace(*lines);
  ExpectSameReport(reread, original);
}

TEST(RtfRoundTrip, ThroughAResultsFile) {
  const std::filesystem::path folder = testing::TempDir() + "rtf_round_trip";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string name = (folder / "Zoekresultaten(9-11-2011).rtf").string();
  const Report original = SampleReport();
  SaveReport(original, name);
  Report reread;
  reread.Add("wordt vervangen");
  LoadReport(reread, name);
  ExpectSameReport(reread, original);
  std::filesystem::remove_all(folder);
}

TEST(RtfRoundTrip, EmptyReport) {
  const auto lines = ReadRtf(WriteRtf({}));
  ASSERT_TRUE(lines.has_value());
  EXPECT_TRUE(lines->empty());
}

// What other programs see: standard RTF, 7-bit, one paragraph per line, Arial
// 12 pt, a colour table starting with the default entry.
TEST(RtfWriter, WritesPlainStandardRtf) {
  const Report report = SampleReport();
  const std::string rtf = WriteRtf(report.Lines());
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"));
  EXPECT_NE(rtf.find("{\\colortbl ;\\red255\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(rtf.find("\\red0\\green128\\blue255;"), std::string::npos);
  EXPECT_NE(rtf.find("\\fs24"), std::string::npos);
  for (const char c : rtf) {
    EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << static_cast<int>(static_cast<unsigned char>(c));
  }
  std::size_t paragraphs = 0;
  RtfLexer lexer(rtf);
  for (RtfToken token = lexer.Next(); token.kind != RtfToken::Kind::End; token = lexer.Next()) {
    if (token.kind == RtfToken::Kind::ControlWord && token.word == "par") ++paragraphs;
  }
  EXPECT_EQ(paragraphs, report.LineCount());
}

TEST(RtfWriter, EncodesEachCharacterTheWayOtherReadersExpect) {
  const struct {
    const char* text;
    const char* rtf;
  } cases[] = {
      {"\t", "\\tab "},  // a blank ends the control word before the text
      {"\\{}", "\\\\\\{\\}"},
      {"\xC3\xA9", "\\'e9"},                     // é in code page 1252
      {"\xE2\x82\xAC", "\\'80"},                 // € too
      {"\xE6\x97\xA5", "\\u26085?"},             // a CJK character
      {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},  // an emoji as a surrogate pair
      {"\xE9", "\\u-8983?"},                     // a lone byte, as U+DCE9
      {"\n", "\\u10?"},
      {"\xC2\x81", "\\u129?"},                   // a C1 control has no byte in 1252
  };
  for (const auto& c : cases) {
    std::vector<ReportLine> lines(1);
    lines[0].text = std::string("<") + c.text + ">";
    EXPECT_NE(WriteRtf(lines).find(std::string("<") + c.rtf + ">"), std::string::npos) << c.rtf;
  }
}

}  // namespace
}  // namespace paarvinder
