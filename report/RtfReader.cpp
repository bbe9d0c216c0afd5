#include "report/RtfReader.h"

#include <algorithm>

#include "report/CodePage1252.h"
#include "report/ReportLineBuilder.h"
#include "report/RtfControlWords.h"
#include "report/RtfLexer.h"
#include "report/Utf8.h"

namespace paarvinder {

namespace {

enum class Destination : std::uint8_t { Body, ColourTable, Skipped };

// What a group keeps for itself and gives back when it closes.
struct GroupState {
  CharFormat format;
  Destination destination = Destination::Body;
  std::int32_t unicodeSkip = 1;  // \ucN
  friend bool operator==(const GroupState&, const GroupState&) = default;
};

// The states of the enclosing groups. Equal neighbours are kept once with a
// count, so a long run of open braces costs next to no memory.
class GroupStack {
 public:
  void Push(const GroupState& state) {
    if (!saved_.empty() && saved_.back().state == state) {
      ++saved_.back().count;
    } else {
      saved_.push_back({state, 1});
    }
    ++depth_;
  }

  GroupState Pop() {
    const GroupState state = saved_.back().state;
    if (--saved_.back().count == 0) saved_.pop_back();
    --depth_;
    return state;
  }

  std::size_t Depth() const { return depth_; }

 private:
  struct Saved {
    GroupState state;
    std::size_t count;
  };
  std::vector<Saved> saved_;
  std::size_t depth_ = 0;
};

struct ColourEntry {
  int red = 0, green = 0, blue = 0;
  bool given = false;
};

class RtfParser {
 public:
  explicit RtfParser(std::string_view content) : lexer_(content) {}

  std::optional<std::vector<ReportLine>> Parse() {
    for (;;) {
      const RtfToken token = lexer_.Next();
      switch (token.kind) {
        case RtfToken::Kind::End:
          return Finish();
        case RtfToken::Kind::OpenGroup:
          groups_.Push(state_);
          fallbackLeft_ = 0;
          break;
        case RtfToken::Kind::CloseGroup:
          state_ = groups_.Pop();
          fallbackLeft_ = 0;
          if (groups_.Depth() == 0) return Finish();
          break;
        case RtfToken::Kind::Text:
          if (token.text.find('\0') != std::string_view::npos) return std::nullopt;
          Text(token.text);
          break;
        case RtfToken::Kind::HexByte:
          if (!SkipFallback() && state_.destination == Destination::Body) {
            BodyCharacter(Cp1252ToUnicode(token.character));
          }
          break;
        case RtfToken::Kind::ControlSymbol:
          if (!SkipFallback()) ControlSymbol(token.character);
          break;
        case RtfToken::Kind::ControlWord:
          if (!SkipFallback()) ControlWord(token);
          break;
      }
    }
  }

 private:
  std::optional<std::vector<ReportLine>> Finish() {
    std::vector<ReportLine> lines;
    if (!lines_.Finish(state_.format, lines)) return std::nullopt;
    return lines;
  }

  // The characters after \uN that stand in for it in readers without Unicode.
  bool SkipFallback() {
    if (fallbackLeft_ == 0) return false;
    --fallbackLeft_;
    return true;
  }

  void Text(std::string_view text) {
    const auto skipped = std::min<std::size_t>(static_cast<std::size_t>(fallbackLeft_), text.size());
    fallbackLeft_ -= static_cast<std::int32_t>(skipped);
    text.remove_prefix(skipped);
    if (state_.destination == Destination::ColourTable) {
      for (const char c : text) {
        if (c == ';') EndColourEntry();
      }
    }
    if (state_.destination != Destination::Body) return;
    // Printable ASCII and tabs go in as they are, in one piece; other bytes
    // are code page 1252, and other control characters are not text.
    while (!text.empty()) {
      std::size_t plain = 0;
      while (plain < text.size() && (text[plain] == '\t' || (text[plain] >= 0x20 && text[plain] < 0x7F))) ++plain;
      if (plain > 0) lines_.AddBytes(text.substr(0, plain), state_.format);
      if (plain == text.size()) return;
      const auto c = static_cast<unsigned char>(text[plain]);
      if (c >= 0x80) BodyCharacter(Cp1252ToUnicode(c));
      text.remove_prefix(plain + 1);
    }
  }

  void EndColourEntry() {
    colours_.push_back(colourEntry_.given ? colourEntry_.red | colourEntry_.green << 8 | colourEntry_.blue << 16
                                          : clDefault);
    colourEntry_ = {};
  }

  void BodyCharacter(char32_t c) { lines_.AddCodePoint(c, state_.format); }

  void ControlSymbol(unsigned char symbol) {
    if (symbol == '*') state_.destination = Destination::Skipped;
    if (state_.destination != Destination::Body) return;
    switch (symbol) {
      case '\\':
      case '{':
      case '}':
        return BodyCharacter(symbol);
      case '~':
        return BodyCharacter(0xA0);
      case '_':
        return BodyCharacter('-');
      case '\r':
      case '\n':
        return lines_.EndLine(state_.format);
      default:
        return;
    }
  }

  void ControlWord(const RtfToken& token) {
    if (state_.destination == Destination::Skipped) return;
    const RtfWordMeaning meaning = LookUpControlWord(token.word);
    const int component = std::clamp(token.parameter, 0, 255);
    switch (meaning.action) {
      case RtfAction::SkippedDestination:
        state_.destination = Destination::Skipped;
        return;
      case RtfAction::ColourTable:
        state_.destination = Destination::ColourTable;
        colours_.clear();
        colourEntry_ = {};
        return;
      case RtfAction::Red:
        colourEntry_.red = component;
        colourEntry_.given = true;
        return;
      case RtfAction::Green:
        colourEntry_.green = component;
        colourEntry_.given = true;
        return;
      case RtfAction::Blue:
        colourEntry_.blue = component;
        colourEntry_.given = true;
        return;
      default:
        if (state_.destination == Destination::Body) BodyWord(meaning, token);
    }
  }

  void BodyWord(RtfWordMeaning meaning, const RtfToken& token) {
    const bool on = !token.hasParameter || token.parameter != 0;
    switch (meaning.action) {
      case RtfAction::LineEnd:
        return lines_.EndLine(state_.format);
      case RtfAction::Tab:
        return BodyCharacter('\t');
      case RtfAction::Character:
        return BodyCharacter(meaning.character);
      case RtfAction::Bold:
        return SetStyle(fsBold, on);
      case RtfAction::Italic:
        return SetStyle(fsItalic, on);
      case RtfAction::Underline:
        return SetStyle(fsUnderline, on);
      case RtfAction::UnderlineNone:
        return SetStyle(fsUnderline, false);
      case RtfAction::Strike:
        return SetStyle(fsStrikeOut, on);
      case RtfAction::Colour:
        state_.format.colour = ColourAt(token.parameter);
        return;
      case RtfAction::Plain:
        state_.format = CharFormat{};
        return;
      case RtfAction::Unicode:
        return Unicode(token);
      case RtfAction::UnicodeSkip:
        state_.unicodeSkip = token.hasParameter ? std::max(token.parameter, 0) : 1;
        return;
      default:
        return;
    }
  }

  void SetStyle(FontStyles flag, bool on) {
    state_.format.style = on ? state_.format.style | flag : state_.format.style & ~flag;
  }

  // \uN: a UTF-16 unit, written signed; unsigned values up to 65535 are taken too.
  void Unicode(const RtfToken& token) {
    if (!token.hasParameter) return;
    const std::int64_t unit = token.parameter < 0 ? std::int64_t{token.parameter} + 0x10000 : token.parameter;
    BodyCharacter(unit >= 0 && unit <= 0xFFFF ? static_cast<char32_t>(unit) : kReplacementCharacter);
    fallbackLeft_ = state_.unicodeSkip;
  }

  Colour ColourAt(std::int32_t index) const {
    if (index <= 0 || static_cast<std::size_t>(index) >= colours_.size()) return clDefault;
    return colours_[static_cast<std::size_t>(index)];
  }

  RtfLexer lexer_;
  GroupState state_;
  GroupStack groups_;
  std::int32_t fallbackLeft_ = 0;
  std::vector<Colour> colours_;
  ColourEntry colourEntry_;
  ReportLineBuilder lines_;
};

}  // namespace

bool LooksLikeRtf(std::string_view content) { return content.starts_with("{\\rtf"); }

std::optional<std::vector<ReportLine>> ReadRtf(std::string_view content) {
  if (!LooksLikeRtf(content)) return std::nullopt;
  return RtfParser(content).Parse();
}

}  // namespace paarvinder
