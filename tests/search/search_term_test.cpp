#include "search/SearchTerm.h"

#include <gtest/gtest.h>

#include <string>

namespace paarvinder {
namespace {

struct NormaliseCase {
  std::string entryText;
  std::string term;
};

TEST(NormaliseTerm, EntryTextsGiveTheirTerms) {
  const NormaliseCase cases[] = {
      {"foto.jpg", "FOTO.JPG"},
      {"C:\\Data\\Foto.jpg", "FOTO.JPG"},
      {"d:verslag", "VERSLAG"},
      {"map/foto.jpg", "FOTO.JPG"},  // a slash separates too: names never hold one
      {"/home/anna/Foto.jpg", "FOTO.JPG"},
      {"caf\xc3\xa9", "CAF\xc3\xa9"},  // only a to z are upper-cased, byte by byte
      {"*.jpg", "*.JPG"},
      {"C:\\Data\\", ""},
      {"d:", ""},
      {"map/", ""},
      {"", ""},
      {" foto ", " FOTO "},  // nothing trimmed
      {"a\\b:c/d", "D"},      // the last separator of any of the three
      {"x:y\\z", "Z"},
      {"\xff\xfe" "abc", "\xff\xfe" "ABC"},
      {"az{`@[", "AZ{`@["},  // the bytes just outside a to z stay
  };
  for (const NormaliseCase& c : cases) {
    EXPECT_EQ(NormaliseTerm(c.entryText), c.term) << "entry text: " << c.entryText;
  }
}

struct MatchCase {
  std::string name;
  std::string term;
  bool hit;
};

TEST(Matches, IsContainmentOfTheUpperCasedName) {
  const MatchCase cases[] = {
      {"Foto.jpg", "FOTO.JPG", true},
      {"OudeFoto.JPG", "FOTO.JPG", true},
      {"foto.jpg.bak", "FOTO.JPG", true},
      {"foto.jpeg", "FOTO.JPG", false},
      {"Caf\xc3\xa9.txt", "CAF\xc3\xa9", true},
      {"caf\xc3\xa9taria.doc", "CAF\xc3\xa9", true},
      {"CAF\xc3\x89.TXT", "CAF\xc3\xa9", false},  // É is not é: no upper-casing beyond a to z
      {"foto.jpg", "*.JPG", false},                // no wildcards
      {"x*.jpg", "*.JPG", true},
      {"anything", "", false},                     // an empty term matches nothing
      {"", "", false},
      {"", "A", false},
      {"my foto.jpg", " FOTO", true},              // a leading space is part of the term
      {"foto.jpg", " FOTO", false},
      {"Foto", "FOTO.JPG", false},                 // shorter than the term
      {"FOTO", "FOTO", true},
      {"ffoto", "FOTO", true},                     // a false start just before the match
      {"line\nfoto", "FOTO", true},
      {"\xff" "foto\xfe", "FOTO", true},
      {"foto", "foto", false},                     // a term with a to z in it is never contained
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(Matches(c.name, c.term), c.hit) << "name: " << c.name << ", term: " << c.term;
  }
}

}  // namespace
}  // namespace paarvinder
