#include "report/RtfLexer.h"

#include <algorithm>
#include <limits>

namespace paarvinder {

namespace {

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

RtfToken RtfLexer::Next() {
  while (position_ < input_.size()) {
    const auto c = static_cast<unsigned char>(input_[position_++]);
    if (c == '\r' || c == '\n') continue;
    RtfToken token;
    token.character = c;
    switch (c) {
      case '{':
        token.kind = RtfToken::Kind::OpenGroup;
        return token;
      case '}':
        token.kind = RtfToken::Kind::CloseGroup;
        return token;
      case '\\':
        if (ControlSequence(token)) return token;
        break;
      default:
        token.kind = RtfToken::Kind::Text;
        token.text = TextRun(position_ - 1);
        return token;
    }
  }
  return {};
}

std::string_view RtfLexer::TextRun(std::size_t start) {
  const std::size_t end = input_.find_first_of(std::string_view("\\{}\r\n", 5), start);
  position_ = end == std::string_view::npos ? input_.size() : end;
  return input_.substr(start, position_ - start);
}

bool RtfLexer::ControlSequence(RtfToken& token) {
  if (position_ >= input_.size()) return false;
  const auto c = static_cast<unsigned char>(input_[position_]);
  if (IsLetter(c)) {
    ControlWord(token);
    return true;
  }
  ++position_;
  if (c == '\'') return HexByte(token);
  token.kind = RtfToken::Kind::ControlSymbol;
  token.character = c;
  return true;
}

void RtfLexer::ControlWord(RtfToken& token) {
  const auto at = [this](std::size_t i) { return i < input_.size() ? static_cast<unsigned char>(input_[i]) : 0; };
  const std::size_t start = position_;
  while (IsLetter(at(position_))) ++position_;
  token.kind = RtfToken::Kind::ControlWord;
  token.word = input_.substr(start, position_ - start);

  const bool negative = at(position_) == '-' && IsDigit(at(position_ + 1));
  if (negative) ++position_;
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  while (IsDigit(at(position_))) {
    token.hasParameter = true;
    if (value <= kMax) value = value * 10 + (at(position_) - '0');
    ++position_;
  }
  token.parameter = static_cast<std::int32_t>(std::clamp(negative ? -value : value, -kMax - 1, kMax));
  if (at(position_) == ' ') ++position_;

  if (token.word == "bin" && token.parameter > 0) {
    position_ += std::min(static_cast<std::size_t>(token.parameter), input_.size() - position_);
  }
}

bool RtfLexer::HexByte(RtfToken& token) {
  int value = 0;
  for (int digits = 0; digits < 2; ++digits) {
    const int digit = position_ < input_.size() ? HexValue(static_cast<unsigned char>(input_[position_])) : -1;
    if (digit < 0) return false;
    value = value * 16 + digit;
    ++position_;
  }
  token.kind = RtfToken::Kind::HexByte;
  token.character = static_cast<unsigned char>(value);
  return true;
}

}  // namespace paarvinder
