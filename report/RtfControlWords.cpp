#include "report/RtfControlWords.h"

#include <unordered_map>

namespace paarvinder {

namespace {

using Table = std::unordered_map<std::string_view, RtfWordMeaning>;

Table BuildTable() {
  Table table;
  const auto add = [&table](std::initializer_list<std::string_view> words, RtfAction action) {
    for (const std::string_view word : words) table[word] = {action};
  };
  add({"par", "line", "row"}, RtfAction::LineEnd);
  add({"tab", "cell"}, RtfAction::Tab);
  add({"b"}, RtfAction::Bold);
  add({"i"}, RtfAction::Italic);
  add({"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
       "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"},
      RtfAction::Underline);
  add({"ulnone"}, RtfAction::UnderlineNone);
  add({"strike", "striked"}, RtfAction::Strike);
  add({"cf"}, RtfAction::Colour);
  add({"plain"}, RtfAction::Plain);
  add({"u"}, RtfAction::Unicode);
  add({"uc"}, RtfAction::UnicodeSkip);
  add({"red"}, RtfAction::Red);
  add({"green"}, RtfAction::Green);
  add({"blue"}, RtfAction::Blue);
  add({"colortbl"}, RtfAction::ColourTable);
  add({"fonttbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer", "footerl",
       "footerr", "footerf", "footnote", "annotation", "listtable", "listoverridetable", "revtbl", "rsidtbl",
       "filetbl", "xmlnstbl", "generator", "fldinst", "objdata", "themedata", "colorschememapping", "datastore",
       "latentstyles", "pgdsctbl", "nonshppict", "shpinst", "template", "userprops", "docvar", "background",
       "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "xe", "tc", "bkmkstart", "bkmkend"},
      RtfAction::SkippedDestination);
  const std::pair<std::string_view, char32_t> characters[] = {
      {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
      {"bullet", 0x2022},    {"lquote", 0x2018},    {"rquote", 0x2019},  {"ldblquote", 0x201C},
      {"rdblquote", 0x201D},
  };
  for (const auto& [word, character] : characters) table[word] = {RtfAction::Character, character};
  return table;
}

}  // namespace

RtfWordMeaning LookUpControlWord(std::string_view word) {
  static const Table table = BuildTable();
  const auto found = table.find(word);
  return found == table.end() ? RtfWordMeaning{} : found->second;
}

}  // namespace paarvinder
