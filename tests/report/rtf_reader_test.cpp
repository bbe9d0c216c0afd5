#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportDescription.h"
#include "report/RtfReader.h"

namespace paarvinder {
namespace {

struct ReaderCase {
  const char* what;
  std::string rtf;
  std::vector<std::string> texts;
  std::vector<std::string> runs = {};  // per line, when the case is about formats
};

std::vector<std::string> RunsOf(const std::vector<ReportLine>& lines) {
  std::vector<std::string> runs;
  for (const ReportLine& line : lines) runs.push_back(DescribeRuns(line));
  return runs;
}

void ExpectReads(const ReaderCase& c) {
  SCOPED_TRACE(c.what);
  const auto lines = ReadRtf(c.rtf);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(TextsOf(*lines), c.texts);
  if (!c.runs.empty()) {
    EXPECT_EQ(RunsOf(*lines), c.runs);
  }
}

TEST(RtfReader, TextAndLines) {
  const ReaderCase cases[] = {
      {"paragraphs", "{\\rtf1 abc\\par def\\par}", {"abc", "def"}},
      {"a last line without \\par", "{\\rtf1 abc\\par def}", {"abc", "def"}},
      {"empty paragraphs", "{\\rtf1\\par\\par x\\par}", {"", "", "x"}},
      {"\\line and a backslash before a line end", "{\\rtf1 a\\line b\\\nc\\\r\nd}", {"a", "b", "c", "d"}},
      {"line ends in the file are not text", "{\\rtf1 a\r\nb\nc\rd}", {"abcd"}},
      {"tabs", "{\\rtf1\\tab x\tx}", {"\tx\tx"}},
      {"table cells and rows", "{\\rtf1 a\\cell b\\cell\\row c}", {"a\tb\t", "c"}},
      {"escaped characters", "{\\rtf1 \\\\ \\{ \\}}", {"\\ { }"}},
      {"the blank after a control word is no text", "{\\rtf1\\b0  two\\b0 x\\b0-1}", {" twox-1"}},
      {"named characters", "{\\rtf1\\emdash\\endash\\~\\_\\-\\lquote\\rdblquote\\bullet}",
       {"\xE2\x80\x94\xE2\x80\x93\xC2\xA0-\xE2\x80\x98\xE2\x80\x9D\xE2\x80\xA2"}},
      {"code page 1252", "{\\rtf1\\ansi\\ansicpg1252 \\'80\\'e9\\'C9\\'81 \x80\xE9}",
       {"\xE2\x82\xAC\xC3\xA9\xC3\x89\xC2\x81 \xE2\x82\xAC\xC3\xA9"}},
      {"an unknown code page reads as 1252", "{\\rtf1\\ansi\\ansicpg1251 \\'e9}", {"\xC3\xA9"}},
      {"unknown control words", "{\\rtf1\\foo\\bar12\\baz-3 x\\|\\:y}", {"xy"}},
      {"text after the document", "{\\rtf1 a}b{c}", {"a"}},
      {"closing braces past the document", "{\\rtf1 a}}}\\par b", {"a"}},
  };
  for (const ReaderCase& c : cases) ExpectReads(c);
}

TEST(RtfReader, Unicode) {
  const ReaderCase cases[] = {
      {"\\u with its fallback", "{\\rtf1\\u8364?a}", {"\xE2\x82\xAC" "a"}},
      {"\\uc2 skips two", "{\\rtf1\\uc2\\u8364 EUb}", {"\xE2\x82\xAC" "b"}},
      {"\\uc0 skips none", "{\\rtf1\\uc0\\u8364 b}", {"\xE2\x82\xAC" "b"}},
      {"\\'hh counts as one", "{\\rtf1\\u233\\'e9x}", {"\xC3\xA9x"}},
      {"skipping ends with the group", "{\\rtf1\\uc3{\\u8364 a}bc}", {"\xE2\x82\xAC" "bc"}},
      {"\\uc belongs to its group", "{\\rtf1{\\uc0 }\\u8364?a}", {"\xE2\x82\xAC" "a"}},
      {"a surrogate pair, signed", "{\\rtf1\\u-10179?\\u-8704?}", {"\xF0\x9F\x98\x80"}},
      {"a surrogate pair, unsigned", "{\\rtf1\\uc0 \\u55357\\uc1 \\u56832\\'3f}", {"\xF0\x9F\x98\x80"}},
      {"a lone high surrogate", "{\\rtf1\\u-10179?x\\u-10179?}", {"\xEF\xBF\xBDx\xEF\xBF\xBD"}},
      {"a lone low surrogate", "{\\rtf1\\u-8704?}", {"\xEF\xBF\xBD"}},
      {"the escape of a raw byte", "{\\rtf1\\u-8983?\\u-9088?\\u56575?}", {"\xE9\x80\xFF"}},
      {"values out of range", "{\\rtf1\\u65536?\\u-99999?\\u99999999999?\\u?}", {"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD?"}},
      {"control characters", "{\\rtf1 a\\u10?b\\u13?c\\u9?}", {"a\nb\rc\t"}},
  };
  for (const ReaderCase& c : cases) ExpectReads(c);
}

TEST(RtfReader, Formats) {
  const std::string colours = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green128\\blue255;}";
  const ReaderCase cases[] = {
      {"colour table entries", "{\\rtf1" + colours + "\\cf1 a\\cf2 b\\cf3 c\\cf0 d\\cf9 e\\cf f\\cf1\\par}",
       {"abcdef"},
       {"0 red, 1 black, 2 16744448, 3 default, 6 red"}},
      {"entry 0 is the default colour even when given",
       "{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\\cf0 a\\cf1 b}",
       {"ab"},
       {"0 default, 1 red, 2 default"}},
      {"an empty entry", "{\\rtf1{\\colortbl;;\\red255;}\\cf1 a\\cf2 b}", {"ab"}, {"0 default, 1 red, 2 default"}},
      {"components are clamped", "{\\rtf1{\\colortbl;\\red999\\green-5\\blue0;}\\cf1 a}", {"a"}, {"0 red, 1 default"}},
      {"styles on and off",
       "{\\rtf1\\b a\\b0\\i b\\i0\\ul c\\ulnone\\uldb d\\ul0\\strike e\\strike0\\striked1 f\\striked0 g}",
       {"abcdefg"},
       {"0 default b, 1 default i, 2 default u, 4 default s, 6 default"}},
      {"a group keeps its own format", "{\\rtf1" + colours + "{\\cf1\\b a}b{\\i c}}", {"abc"},
       {"0 red b, 1 default, 2 default i, 3 default"}},
      {"\\plain resets, \\pard does not", "{\\rtf1" + colours + "\\cf1\\b a\\pard b\\plain c}", {"abc"},
       {"0 red b, 2 default"}},
      {"a line break takes the format at \\par",
       "{\\rtf1" + colours + "{\\b x}\\par\\cf1\\b y\\par\\b0\\par}",
       {"x", "y", ""},
       {"0 default b, 1 default", "0 red b", "0 red"}},
  };
  for (const ReaderCase& c : cases) ExpectReads(c);
}

TEST(RtfReader, PassesOverWhatIsNotBodyText) {
  const ReaderCase cases[] = {
      {"font table", "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}a}", {"a"}},
      {"ignorable destinations", "{\\rtf1{\\*\\generator Riched20 10.0;}{\\*\\foo{bar}}a}", {"a"}},
      {"info, style sheet, header, footer",
       "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header h}{\\footer f}a}", {"a"}},
      {"a picture with binary data", std::string("{\\rtf1{\\pict\\bin5 {}\0\\x}a}", 26), {"a"}},
      {"a field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}", {"link"}},
      {"an unknown destination without \\* shows its text", "{\\rtf1{\\foo text}}", {"text"}},
      {"\\par inside a skipped group", "{\\rtf1 a{\\*\\x b\\par c}d}", {"ad"}},
  };
  for (const ReaderCase& c : cases) ExpectReads(c);
}

// A file cut short keeps what was read up to the cut.
TEST(RtfReader, BrokenOffFilesKeepTheirText) {
  const ReaderCase cases[] = {
      {"inside a group", "{\\rtf1 a\\par{\\b b", {"a", "b"}, {"0 default", "0 default b"}},
      {"inside \\'", "{\\rtf1 a\\'", {"a"}},
      {"inside \\'h", "{\\rtf1 a\\'4", {"a"}},
      {"a \\' without hex digits", "{\\rtf1 a\\'4zb\\'xy}", {"azbxy"}},
      {"inside a control word", "{\\rtf1 a\\pa", {"a"}},
      {"after a backslash", "{\\rtf1 a\\", {"a"}},
      {"inside \\u's fallback", "{\\rtf1 a\\uc5\\u8364 x", {"a\xE2\x82\xAC"}},
      {"inside binary data", "{\\rtf1 a{\\pict\\bin999999 xx", {"a"}},
      {"just the start", "{\\rtf", {}},
  };
  for (const ReaderCase& c : cases) ExpectReads(c);
}

TEST(RtfReader, RefusesWhatIsNotRtfOrNotText) {
  EXPECT_FALSE(ReadRtf("").has_value());
  EXPECT_FALSE(ReadRtf("plain text").has_value());
  EXPECT_FALSE(ReadRtf(" {\\rtf1 a}").has_value());
  EXPECT_FALSE(ReadRtf(std::string("{\\rtf1 a\0b}", 11)).has_value());
  EXPECT_FALSE(ReadRtf(std::string("{\\rtf1 {\\*\\x \0}b}", 16)).has_value());
}

TEST(RtfReader, DeepNestingAndHugeParameters) {
  const std::size_t depth = 100000;
  const std::string open(depth, '{');
  const std::string close(depth, '}');
  ExpectReads({"unclosed braces", "{\\rtf1" + open + "x", {"x"}});
  ExpectReads({"balanced braces", "{\\rtf1" + open + "x" + close + "y}", {"xy"}});

  std::string alternating = "{\\rtf1";
  for (std::size_t i = 0; i < depth; ++i) alternating += i % 2 ? "{\\b " : "{\\b0 ";
  alternating += "x";
  for (std::size_t i = 0; i < depth; ++i) alternating += "}";
  alternating += "y}";
  ExpectReads({"a different format in every group", alternating, {"xy"}, {"0 default b, 1 default"}});

  ExpectReads({"huge parameters",
               "{\\rtf1\\cf99999999999999999999 a\\fs-99999999999999 b\\uc4294967296 c\\b99999999999 d"
               "\\u-99999999999999?e\\bin99999999999999999999",
               {"abcd\xEF\xBF\xBD"},  // the huge \\uc skips all that follows
               {"0 default, 3 default b"}});
}

}  // namespace
}  // namespace paarvinder
