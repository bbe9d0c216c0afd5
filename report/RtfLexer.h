#pragma once
// Cuts RTF into its tokens: braces, control words with their parameters,
// control symbols, `\'hh` bytes and runs of text. Line ends in the file are
// not text and give no token; the data of `\binN` is passed over.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace paarvinder {

struct RtfToken {
  enum class Kind : std::uint8_t { End, OpenGroup, CloseGroup, ControlWord, ControlSymbol, HexByte, Text };
  Kind kind = Kind::End;
  std::string_view word;            // ControlWord: its letters
  bool hasParameter = false;        // ControlWord
  std::int32_t parameter = 0;       // ControlWord, clamped to 32 bits
  unsigned char character = 0;      // ControlSymbol: the symbol; HexByte: the byte
  std::string_view text;            // Text: bytes up to the next brace, backslash or line end
};

class RtfLexer {
 public:
  explicit RtfLexer(std::string_view input) : input_(input) {}

  // The next token; End at the end of the input. A backslash at the very end
  // and a `\'` without two hex digits are dropped.
  RtfToken Next();

 private:
  std::string_view TextRun(std::size_t start);
  bool ControlSequence(RtfToken& token);
  void ControlWord(RtfToken& token);
  bool HexByte(RtfToken& token);

  std::string_view input_;
  std::size_t position_ = 0;
};

}  // namespace paarvinder
