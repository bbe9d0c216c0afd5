#pragma once
// What the control words that our RTF reader acts on mean. Any other word
// means nothing to it and is passed over.

#include <string_view>

namespace paarvinder {

enum class RtfAction : unsigned char {
  None,
  LineEnd,
  Tab,
  Character,  // a named character such as \emdash
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Colour,
  Plain,
  Unicode,
  UnicodeSkip,
  Red,
  Green,
  Blue,
  ColourTable,
  SkippedDestination,  // a group whose text is not part of the body
};

struct RtfWordMeaning {
  RtfAction action = RtfAction::None;
  char32_t character = 0;  // for RtfAction::Character
};

RtfWordMeaning LookUpControlWord(std::string_view word);

}  // namespace paarvinder
