#include "report/RtfWriter.h"

#include <algorithm>
#include <unordered_map>

#include "report/CodePage1252.h"
#include "report/Utf8.h"

namespace paarvinder {

namespace {

bool IsTableColour(Colour colour) { return colour >= 0 && colour <= 0xFFFFFF; }

// The colours in order of first use; index 0 is the empty default entry.
class ColourTable {
 public:
  explicit ColourTable(const std::vector<ReportLine>& lines) {
    for (const ReportLine& line : lines) {
      for (const FormatRun& run : line.runs) {
        const Colour colour = run.format.colour;
        if (IsTableColour(colour) && indexes_.emplace(colour, static_cast<int>(colours_.size()) + 1).second) {
          colours_.push_back(colour);
        }
      }
    }
  }

  int IndexOf(Colour colour) const {
    const auto found = indexes_.find(colour);
    return found == indexes_.end() ? 0 : found->second;
  }

  void Write(std::string& out) const {
    out += "{\\colortbl ;";
    for (const Colour colour : colours_) {
      out += "\\red" + std::to_string(colour & 0xFF) + "\\green" + std::to_string((colour >> 8) & 0xFF) +
             "\\blue" + std::to_string((colour >> 16) & 0xFF) + ';';
    }
    out += "}\n";
  }

 private:
  std::vector<Colour> colours_;
  std::unordered_map<Colour, int> indexes_;
};

class RtfBuilder {
 public:
  RtfBuilder(std::string& out, const ColourTable& colours) : out_(out), colours_(colours) {}

  void SetFormat(CharFormat format) {
    if (format.colour != current_.colour) ControlWord("\\cf" + std::to_string(colours_.IndexOf(format.colour)));
    Flag(format, fsBold, "\\b", "\\b0");
    Flag(format, fsItalic, "\\i", "\\i0");
    Flag(format, fsUnderline, "\\ul", "\\ulnone");
    Flag(format, fsStrikeOut, "\\strike", "\\strike0");
    current_ = format;
  }

  // The bytes of one run; a cut through a UTF-8 sequence leaves escapes that
  // join again on reading.
  void Text(std::string_view text) {
    for (std::size_t position = 0; position < text.size();) Character(DecodeUtf8(text, position));
  }

  void ControlWord(std::string_view word) {
    out_ += word;
    afterControlWord_ = true;
  }

  void EndParagraph() {
    // The line end of the file goes before the control word, where a reader
    // cannot take it for part of the text.
    out_ += '\n';
    ControlWord("\\par");
  }

 private:
  void Flag(CharFormat format, FontStyles flag, std::string_view on, std::string_view off) {
    if ((format.style & flag) != (current_.style & flag)) ControlWord(format.style & flag ? on : off);
  }

  void Literal(char c) {
    if (afterControlWord_) out_ += ' ';
    afterControlWord_ = false;
    out_ += c;
  }

  void Symbol(std::string_view symbol) {
    out_ += symbol;
    afterControlWord_ = false;
  }

  void Unicode(char32_t unit) {
    const int value = static_cast<int>(unit);
    Symbol("\\u" + std::to_string(value > 0x7FFF ? value - 0x10000 : value) + "?");
  }

  void Character(char32_t c) {
    if (c == '\t') return ControlWord("\\tab");
    if (c == '\\' || c == '{' || c == '}') return Symbol(std::string{'\\', static_cast<char>(c)});
    if (c >= 0x20 && c < 0x7F) return Literal(static_cast<char>(c));
    const int byte = c >= 0x80 ? UnicodeToCp1252(c) : -1;
    if (byte >= 0) {
      static constexpr char kHex[] = "0123456789abcdef";
      return Symbol(std::string{'\\', '\'', kHex[byte >> 4], kHex[byte & 0xF]});
    }
    if (c >= 0x10000) {
      Unicode(0xD800 + ((c - 0x10000) >> 10));
      return Unicode(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
    Unicode(c);
  }

  std::string& out_;
  const ColourTable& colours_;
  CharFormat current_;
  bool afterControlWord_ = false;
};

std::size_t EstimatedSize(const std::vector<ReportLine>& lines) {
  std::size_t size = 256;
  for (const ReportLine& line : lines) size += line.text.size() + 8 + 16 * line.runs.size();
  return size;
}

}  // namespace

std::string WriteRtf(const std::vector<ReportLine>& lines) {
  const ColourTable colours(lines);
  std::string out;
  out.reserve(EstimatedSize(lines));
  out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
  colours.Write(out);
  RtfBuilder builder(out, colours);
  builder.ControlWord("\\uc1\\pard\\f0\\fs24");
  for (const ReportLine& line : lines) {
    const auto length = static_cast<std::int32_t>(line.text.size());
    for (std::size_t i = 0; i < line.runs.size(); ++i) {
      const std::int32_t from = std::clamp(line.runs[i].start, 0, length);
      const std::int32_t to = i + 1 < line.runs.size() ? std::clamp(line.runs[i + 1].start, 0, length) : length;
      if (from >= to) continue;
      builder.SetFormat(line.runs[i].format);
      builder.Text(std::string_view(line.text).substr(from, to - from));
    }
    builder.SetFormat(line.FormatAt(length));
    builder.EndParagraph();
  }
  out += "\n}\n";
  return out;
}

}  // namespace paarvinder
