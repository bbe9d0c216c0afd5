#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "report/InfoText.h"
#include "report/MarkedBlock.h"
#include "report/Report.h"

namespace paarvinder {

// Readable failures: colour and style instead of raw bytes.
void PrintTo(const CharFormat& format, std::ostream* out) {
  *out << "{colour " << format.colour << ", style " << int{format.style} << "}";
}

namespace {

struct ExpectedLine {
  const char* text;
  std::optional<Colour> headingColour;  // set for the three marked headings
};

// The info page as the user must see it, written out here independently.
const std::array<ExpectedLine, 23> kInfoLines = {{
    {"\t", {}},
    {"\tWanneer kan Paarvinder zinvol zijn?", clRed},
    {"\t1. Als u naar een bepaald bestand zoekt, maar niet meer weet waar het ergens staat", {}},
    {"\t2. Als u wilt weten of er meerdere bestanden met dezelfde naam op de harde schijf staan", {}},
    {"\t", {}},
    {"\tHoe werkt het programma?", clRed},
    {"\t1. Tik de naam (plus extensie maar zonder station en map!) in het vak bij 'Zoek naar:'", {}},
    {"\t   U kunt deze bestandnaam ook als parameter opgeven bij het starten van het programma", {}},
    {"\t   Zonder extensie zoekt het programma naar bestandsnamen waar het zoekwoord in voorkomt", {}},
    {"\t2. In de toolbar bovenaan verschijnt nu een extra knop waar 'Zoek' op staat", {}},
    {"\t3. Klik op die knop en het zoeken begint; alle harde schijven en partities alsmede Ramdrives,", {}},
    {"\t   externe harde schijven en netwerkdrives worden doorzocht (geen diskdrives of USB-sticks)", {}},
    {"\t4. Elke keer dat het zoekbestand wordt gevonden, hoort u een geluidje en wordt de informatie", {}},
    {"\t   in het vak onder het zoekbestand gezet", {}},
    {"\t5. De knop waar 'Zoek' op stond, heeft nu de tekst 'Onderbreek' gekregen", {}},
    {"\t6. Klikt u daarop dan wordt het zoeken onderbroken; 'Onderbreek' heet nu weer 'Zoek'", {}},
    {"\t7. Wilt u verder gaan, dan kan dat niet; wel kunt u overnieuw beginnen...", {}},
    {"\t8. De zoekresultaten worden automatisch opgeslagen in een rtf-bestand met als naam", {}},
    {"\t   'Zoekresultaten(huidige datum).rtf'", {}},
    {"\t9. Via de knop 'Resultaten' kunt u eerdere zoeksessies terugroepen", {}},
    {"\t", {}},
    {"\tSucces met dit hulpprogramma!", clBlack},
    {"\tPlonkaert (Mirtelo)", {}},
}};

std::int32_t Length(const char* text) { return static_cast<std::int32_t>(std::string(text).size()); }

// Checks text and format of every character, line breaks included, so a
// heading's block must cover exactly its own line and nothing around it.
void ExpectInfoPage(const Report& richInfo) {
  ASSERT_EQ(richInfo.LineCount(), kInfoLines.size());
  std::int32_t position = 0;
  for (std::size_t i = 0; i < kInfoLines.size(); ++i) {
    const ExpectedLine& expected = kInfoLines[i];
    SCOPED_TRACE("line " + std::to_string(i + 1));
    EXPECT_EQ(richInfo.Line(i).text, expected.text);
    const CharFormat wanted = expected.headingColour
                                  ? CharFormat{*expected.headingColour, fsBold}
                                  : CharFormat{};
    const std::int32_t end = position + Length(expected.text) + 2;
    for (; position < end; ++position) {
      ASSERT_EQ(richInfo.FormatAt(position), wanted) << "at position " << position;
    }
  }
  EXPECT_EQ(richInfo.GetTextLen(), position);
}

TEST(InfoText, WritesTheNotesWithTheirHeadingsMarked) {
  Report richInfo;
  VulInfo(richInfo);
  ExpectInfoPage(richInfo);
}

TEST(InfoText, EachBlockStartsRightAfterTheLoneTabBeforeIt) {
  Report richInfo;
  VulInfo(richInfo);
  struct Case {
    std::size_t headingLine;  // 0-based
    CharFormat format;
  };
  const Case cases[] = {
      {1, {clRed, fsBold}},
      {5, {clRed, fsBold}},
      {21, {clBlack, fsBold}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("heading line " + std::to_string(c.headingLine + 1));
    std::int32_t headingStart = 0;
    for (std::size_t i = 0; i < c.headingLine; ++i) headingStart += Length(kInfoLines[i].text) + 2;
    const std::int32_t nextStart = headingStart + Length(kInfoLines[c.headingLine].text) + 2;
    ASSERT_EQ(richInfo.Line(c.headingLine - 1).text, "\t");
    // The lone tab and its line break stay plain.
    for (std::int32_t p = headingStart - 3; p < headingStart; ++p) EXPECT_EQ(richInfo.FormatAt(p), CharFormat{});
    EXPECT_EQ(richInfo.FormatAt(headingStart), c.format);
    EXPECT_EQ(richInfo.FormatAt(nextStart - 1), c.format);  // the heading's own line feed
    EXPECT_EQ(richInfo.FormatAt(nextStart), CharFormat{});
  }
}

TEST(InfoText, OpeningAgainReplacesTheText) {
  Report richInfo;
  // Whatever the page showed before, formats included, is gone.
  MarkedBlock earlier(richInfo);
  richInfo.Add("iets van eerder");
  earlier.Format(BlockTreatment::RedBold);

  VulInfo(richInfo);
  VulInfo(richInfo);
  EXPECT_EQ(richInfo.LineCount(), 23u);
  ExpectInfoPage(richInfo);
}

}  // namespace
}  // namespace paarvinder
