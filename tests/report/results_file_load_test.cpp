#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ReportDescription.h"
#include "report/MarkedBlock.h"
#include "report/ResultsFile.h"

namespace paarvinder {
namespace {

const std::string kData = PAARVINDER_TEST_DATA "/";

struct FixtureCase {
  const char* file;
  std::vector<std::string> texts;
  std::vector<std::string> runs;
};

void ExpectLoads(const FixtureCase& c) {
  SCOPED_TRACE(c.file);
  Report report;
  report.Add("wordt vervangen");
  LoadReport(report, kData + c.file);
  EXPECT_EQ(TextsOf(report.Lines()), c.texts);
  std::vector<std::string> runs;
  for (const ReportLine& line : report.Lines()) runs.push_back(DescribeRuns(line));
  EXPECT_EQ(runs, c.runs);
}

// Made by LibreOffice 7.4 from zoekresultaten-libreoffice.fodt with
// soffice --headless --convert-to rtf.
TEST(LoadReport, RtfFromLibreOffice) {
  ExpectLoads({"zoekresultaten-libreoffice.rtf",
               {"Zoeken naar BRIEF.DOC", "Vaste schijf / (systeem)", "\t/home/anna/brief.doc gevonden! (1234 bytes)",
                "\t/home/jos/Caf\xC3\xA9 \xE2\x82\xAC {x}\\y\\brief.doc gevonden! (5 bytes)", "",
                "cursief onderstreept doorgestreept \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80", "9-11-2011 13:05:09"},
               {"0 red b, 21 default", "0 default b, 24 default", "0 default", "0 default", "0 default",
                "0 default i, 7 default, 8 default u, 20 default, 21 default s, 34 default", "0 red b, 18 default"}});
}

// In the style of the Windows rich-edit control, written by hand.
TEST(LoadReport, RtfFromTheRichEditControl) {
  ExpectLoads({"richedit-results.rtf",
               {"Zoeken naar BRIEF.DOC", "Vaste schijf C:\\ (Systeem)",
                "\tC:\\Users\\Anna\\brief.doc gevonden! (1234 bytes)",
                "\tC:\\Users\\Jos\\Caf\xC3\xA9 \xE2\x82\xAC {1}\\brief.doc gevonden! (5 bytes)", "",
                "9-11-2011 13:05:09", "Zoektijd: 0:00:03"},
               {"0 red b", "0 default b", "0 default", "0 default", "0 default", "0 red b", "0 red b, 17 default"}});
  ExpectLoads({"richedit-info.rtf",
               {"Hoe zoeken?", "Typ een deel van de naam, of niet.",
                "\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 na\xC3\xAF" "ef", "Mirtelo"},
               {"0 red b, 11 default", "0 default, 8 default i, 12 default, 20 default u, 24 default, 29 default s, 33 default",
                "0 default", "0 black b, 7 default"}});
}

TEST(LoadReport, PlainText) {
  ExpectLoads({"plain-utf8-lf.txt",
               {"Zoeken naar BRIEF.DOC", "\t/home/anna/Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80.doc",
                "", "laatste regel zonder einde"},
               {"0 default", "0 default", "0 default", "0 default"}});
  ExpectLoads({"plain-cp1252-crlf.txt", {"Caf\xC3\xA9 \xE2\x82\xAC 5", "", "regel 3"},
               {"0 default", "0 default", "0 default"}});
  // A byte order mark, lone CRs, and UTF-8 decided line by line.
  ExpectLoads({"plain-mixed-cr.txt", {"goed \xC3\xA9", "fout \xC3\xA9", "", "midden"},
               {"0 default", "0 default", "0 default", "0 default"}});
}

// A cut copy of a results file still shows the lines it holds.
TEST(LoadReport, RtfThatBreaksOffShowsWhatItHolds) {
  ExpectLoads({"rtf-cut-off.rtf",
               {"Zoeken naar BRIEF.DOC", "Vaste schijf C:\\ (Systeem)",
                "\tC:\\Users\\Anna\\brief.doc gevonden! (1234 bytes)", "\tC:\\Users\\Jos\\Caf"},
               {"0 red b", "0 default b", "0 default", "0 default"}});
}

Report ReportWithContent() {
  Report report;
  MarkedBlock block(report);
  report.Add("Zoeken naar X");
  block.Format(BlockTreatment::RedBold);
  report.Add("\t/a/x gevonden! (1 bytes)");
  return report;
}

TEST(LoadReport, FailuresLeaveTheReportAsItWas) {
  const struct {
    std::string file;
    std::string message;
  } cases[] = {
      {kData + "binary-png.bin", "Failed to Load Stream"},
      {kData + "plain-utf16.txt", "Failed to Load Stream"},
      {kData + "rtf-nul.rtf", "Failed to Load Stream"},
      {kData + "does-not-exist.rtf", "Cannot open file " + kData + "does-not-exist.rtf"},
      {kData, "Cannot open file " + kData},
      {"/dev/null", "Cannot open file /dev/null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    Report report = ReportWithContent();
    try {
      LoadReport(report, c.file);
      ADD_FAILURE() << "loaded";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    ExpectSameReport(report, ReportWithContent());
  }
}

}  // namespace
}  // namespace paarvinder
