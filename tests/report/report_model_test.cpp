#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "report/MarkedBlock.h"
#include "report/Report.h"

namespace paarvinder {
namespace {

std::vector<CharFormat> FormatsBefore(const Report& report, std::int32_t end) {
  std::vector<CharFormat> formats;
  for (std::int32_t p = 0; p < end; ++p) formats.push_back(report.FormatAt(p));
  return formats;
}

TEST(ReportModel, LineBreakCountsTwoCharacters) {
  Report report;
  EXPECT_EQ(report.GetTextLen(), 0);
  report.Add("x");
  EXPECT_EQ(report.LineCount(), 1u);
  EXPECT_EQ(report.GetTextLen(), 3);
  report.Add("");
  EXPECT_EQ(report.LineCount(), 2u);
  EXPECT_EQ(report.GetTextLen(), 5);
  EXPECT_EQ(report.Line(0).text, "x");
  EXPECT_EQ(report.Line(1).text, "");
  // The caret follows the last line break.
  EXPECT_EQ(report.SelStart(), 5);
  EXPECT_EQ(report.SelLength(), 0);

  report.Clear();
  EXPECT_EQ(report.GetTextLen(), 0);
  EXPECT_EQ(report.LineCount(), 0u);
}

TEST(ReportModel, BlockCoversItsLinesAndBreaksOnly) {
  Report report;
  // Text before the block with formats of its own: a bold heading, a plain line
  // and an italic line.
  MarkedBlock heading(report);
  report.Add("Kop");
  heading.Format(BlockTreatment::Bold);
  report.Add("\tgewoon");
  report.Add("schuin");
  report.SetSelStart(report.GetTextLen() - 8);
  report.SetSelLength(8);
  report.SetSelStyle(fsItalic);

  const std::int32_t L = report.GetTextLen();
  const std::vector<CharFormat> before = FormatsBefore(report, L);

  MarkedBlock block(report);
  report.Add("0123456789");
  report.Add("01234567890123456789");
  block.Format(BlockTreatment::RedBold);

  EXPECT_EQ(report.GetTextLen(), L + 34);
  EXPECT_EQ(report.SelStart(), L);
  EXPECT_EQ(report.SelLength(), 34);
  for (std::int32_t p = L; p < L + 34; ++p) {
    EXPECT_EQ(report.FormatAt(p), (CharFormat{clRed, fsBold})) << "position " << p;
  }
  EXPECT_EQ(FormatsBefore(report, L), before);
  EXPECT_EQ(report.FormatAt(0), (CharFormat{clDefault, fsBold}));
  EXPECT_EQ(report.FormatAt(L - 1), (CharFormat{clDefault, fsItalic}));

  // A line appended after the block takes the default format.
  report.Add("daarna");
  for (std::int32_t p = L + 34; p < report.GetTextLen(); ++p) {
    EXPECT_EQ(report.FormatAt(p), CharFormat{}) << "position " << p;
  }
}

TEST(ReportModel, ThreeTreatments) {
  struct Case {
    BlockTreatment treatment;
    CharFormat expected;
  };
  const Case cases[] = {
      {BlockTreatment::Bold, {clDefault, fsBold}},
      {BlockTreatment::RedBold, {clRed, fsBold}},
      {BlockTreatment::BlackBold, {clBlack, fsBold}},
  };
  for (const Case& c : cases) {
    Report report;
    report.Add("ervoor");
    MarkedBlock block(report);
    report.Add("\tWe zoeken op de harde schijf /");
    report.Add("");
    block.Format(c.treatment);
    EXPECT_EQ(report.FormatAt(0), CharFormat{});
    for (std::int32_t p = 8; p < report.GetTextLen(); ++p) {
      EXPECT_EQ(report.FormatAt(p), c.expected) << "position " << p;
    }
  }
}

TEST(ReportModel, AddBoldKeepsOtherFlagsAsRead) {
  Report report;
  MarkedBlock block(report);
  report.Add("abc");
  report.Add("def");
  // The first character carries italic, underline and strike-out and a
  // colour; the rest is plain. The style read is that of the selection, and
  // writing it back sets all four flags on every character.
  report.SetSelStart(0);
  report.SetSelLength(1);
  report.SetSelStyle(fsItalic | fsUnderline | fsStrikeOut);
  report.SetSelColor(0x00FF00);

  block.Format(BlockTreatment::Bold);

  const FontStyles all = fsBold | fsItalic | fsUnderline | fsStrikeOut;
  EXPECT_EQ(report.SelStyle(), all);
  EXPECT_EQ(report.FormatAt(0), (CharFormat{0x00FF00, all}));
  for (std::int32_t p = 1; p < report.GetTextLen(); ++p) {
    EXPECT_EQ(report.FormatAt(p), (CharFormat{clDefault, all})) << "position " << p;
  }
}

TEST(ReportModel, OverlappingSelectionsSplitAndMergeRuns) {
  Report report;
  report.Add("abcdefgh");  // positions 0..7, break at 8 and 9
  report.Add("ijk");       // positions 10..12, break at 13 and 14
  report.SetSelStart(2);
  report.SetSelLength(4);  // c..f
  report.SetSelStyle(fsBold);
  report.SetSelStart(4);
  report.SetSelLength(8);  // e..j, across the line break
  report.SetSelColor(clRed);

  const CharFormat plain{}, bold{clDefault, fsBold}, red{clRed, 0}, redBold{clRed, fsBold};
  const CharFormat expected[] = {plain, plain, bold, bold, redBold, redBold, red, red,
                                 red,   red,   red,  red,  plain,   plain,   plain};
  for (std::int32_t p = 0; p < report.GetTextLen(); ++p) {
    EXPECT_EQ(report.FormatAt(p), expected[p]) << "position " << p;
  }
  // Undoing the bold merges the runs of the first line again.
  report.SetSelStart(0);
  report.SetSelLength(4);
  report.SetSelStyle(0);
  const std::vector<FormatRun> firstLine = {{0, plain}, {4, redBold}, {6, red}};
  EXPECT_EQ(report.Line(0).runs, firstLine);
}

TEST(ReportModel, SelectionClampsToText) {
  Report report;
  report.Add("12345678");  // length 10
  struct Case {
    std::int32_t start, length;
    std::int32_t expectedStart, expectedLength;
  };
  const Case cases[] = {
      {0, 10, 0, 10}, {3, 4, 3, 4},   {-5, 2, 0, 2},   {99, 1, 10, 0},
      {4, 99, 4, 6},  {4, -3, 4, 0},  {10, 0, 10, 0},
  };
  for (const Case& c : cases) {
    report.SetSelStart(c.start);
    report.SetSelLength(c.length);
    EXPECT_EQ(report.SelStart(), c.expectedStart) << c.start << "," << c.length;
    EXPECT_EQ(report.SelLength(), c.expectedLength) << c.start << "," << c.length;
  }
  // A new start empties the selection.
  report.SetSelLength(5);
  report.SetSelStart(2);
  EXPECT_EQ(report.SelLength(), 0);
}

TEST(ReportModel, AppendBeyondTheLimitFailsAndKeepsTheReport) {
  Report report(16);
  report.Add("1234567890");  // 12
  report.Add("12");          // 16, exactly the limit
  try {
    report.Add("");
    FAIL() << "append beyond the limit succeeded";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  EXPECT_EQ(report.LineCount(), 2u);
  EXPECT_EQ(report.GetTextLen(), 16);
  EXPECT_EQ(report.Line(1).text, "12");
  EXPECT_EQ(report.SelStart(), 16);

  // Room again after a clear.
  report.Clear();
  report.Add("weer");
  EXPECT_EQ(report.GetTextLen(), 6);
}

TEST(ReportModel, ReplaceSwapsEverythingOrNothing) {
  Report report(20);
  report.Add("oud");
  ReportLine red{"rood", {FormatRun{0, {clRed, fsBold}}}};
  report.Replace({red, ReportLine{"", {FormatRun{}}}});
  EXPECT_EQ(report.LineCount(), 2u);
  EXPECT_EQ(report.GetTextLen(), 8);
  EXPECT_EQ(report.FormatAt(2), (CharFormat{clRed, fsBold}));
  EXPECT_EQ(report.FormatAt(6), CharFormat{});

  EXPECT_THROW(report.Replace({ReportLine{std::string(30, 'x')}}), std::runtime_error);
  EXPECT_EQ(report.LineCount(), 2u);
  EXPECT_EQ(report.Line(0).text, "rood");
}

class RecordingObserver : public ReportObserver {
 public:
  void LineAdded(std::size_t index) override { events.push_back("added " + std::to_string(index)); }
  void Cleared() override { events.push_back("cleared"); }
  void Replaced() override { events.push_back("replaced"); }
  void Formatted(std::size_t first, std::size_t last) override {
    events.push_back("formatted " + std::to_string(first) + "-" + std::to_string(last));
  }
  std::vector<std::string> events;
};

TEST(ReportModel, ObserverFollowsEveryChange) {
  Report report(40);
  RecordingObserver observer;
  report.SetObserver(&observer);

  report.Add("kop");
  MarkedBlock block(report);
  report.Add("een");
  report.Add("twee");
  block.Format(BlockTreatment::RedBold);  // colour, then bold: two changes
  EXPECT_THROW(report.Add(std::string(40, 'x')), std::runtime_error);
  report.Clear();
  report.Replace({ReportLine{"geladen"}});

  const std::vector<std::string> expected = {
      "added 0", "added 1", "added 2", "formatted 1-2", "formatted 1-2", "cleared", "replaced",
  };
  EXPECT_EQ(observer.events, expected);
}

TEST(ReportModel, MillionLinesAppend) {
  Report report;
  const std::string line = "\t/home/gebruiker/Documenten/foto.jpg gevonden! (512 bytes)";
  constexpr int kLines = 1'000'000;
  for (int i = 0; i < kLines; ++i) report.Add(line);
  const std::int64_t expected = std::int64_t{kLines} * (static_cast<std::int64_t>(line.size()) + 2);
  EXPECT_EQ(report.LineCount(), static_cast<std::size_t>(kLines));
  EXPECT_EQ(report.GetTextLen(), expected);

  // A block at the very end still lands on the right characters.
  MarkedBlock block(report);
  report.Add("einde");
  block.Format(BlockTreatment::RedBold);
  EXPECT_EQ(report.FormatAt(static_cast<std::int32_t>(expected) - 1), CharFormat{});
  EXPECT_EQ(report.FormatAt(static_cast<std::int32_t>(expected)), (CharFormat{clRed, fsBold}));
  EXPECT_EQ(report.Line(kLines).runs.front().format, (CharFormat{clRed, fsBold}));
}

}  // namespace
}  // namespace paarvinder
