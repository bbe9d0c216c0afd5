#include "report/Utf8.h"

namespace paarvinder {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t& position) {
  const auto byteAt = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(position);
  if (lead < 0x80) {
    ++position;
    return lead;
  }
  // The length of the sequence and the range its second byte must fall in,
  // which rules out overlong forms, surrogates and values beyond U+10FFFF.
  std::size_t length = 0;
  unsigned char secondLow = 0x80, secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  }
  const bool valid = length > 0 && position + length <= text.size() && byteAt(position + 1) >= secondLow &&
                     byteAt(position + 1) <= secondHigh &&
                     (length < 3 || IsContinuation(byteAt(position + 2))) &&
                     (length < 4 || IsContinuation(byteAt(position + 3)));
  if (!valid) {
    ++position;
    return 0xDC00 + lead;
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) codePoint = (codePoint << 6) | (byteAt(position + i) & 0x3F);
  position += length;
  return codePoint;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (IsByteEscape(codePoint)) {
    out += static_cast<char>(codePoint - 0xDC00);
    return;
  }
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) codePoint = kReplacementCharacter;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t position = 0; position < text.size();) {
    if (IsByteEscape(DecodeUtf8(text, position))) return false;
  }
  return true;
}

}  // namespace paarvinder
