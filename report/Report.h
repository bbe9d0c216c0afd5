#pragma once
// The results report: the text and formats of a read-only rich-text control,
// kept as a model of our own so that the search core needs no toolkit.
//
// Positions count characters from the start of the text, a line break counting
// as two (carriage return and line feed), as the rich-edit control counts them.
// A character is one byte of a line's text: lines hold file names as the file
// system gives them (UTF-8 as a rule, any byte allowed), and every position the
// program uses is a text length it took from the report itself.
//
// Lines appended after a formatted block take the default format (the
// control's own text colour, no style), in the results report and the info
// text alike.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace paarvinder {

// A colour as the platform writes it: the low byte is red, then green, then blue.
using Colour = std::int32_t;
inline constexpr Colour clDefault = -1;  // the control's own text colour
inline constexpr Colour clBlack = 0;
inline constexpr Colour clRed = 255;

using FontStyles = std::uint8_t;
inline constexpr FontStyles fsBold = 1;
inline constexpr FontStyles fsItalic = 2;
inline constexpr FontStyles fsUnderline = 4;
inline constexpr FontStyles fsStrikeOut = 8;

struct CharFormat {
  Colour colour = clDefault;
  FontStyles style = 0;
  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// From offset `start` of its line up to the next run (or the line's end).
struct FormatRun {
  std::int32_t start = 0;
  CharFormat format;
  friend bool operator==(const FormatRun&, const FormatRun&) = default;
};

// One line: its text and the formats of its characters, the line break
// included (offsets text.size() and text.size() + 1). `runs` is never empty and
// its first run starts at 0.
struct ReportLine {
  std::string text;
  std::vector<FormatRun> runs{FormatRun{}};

  CharFormat FormatAt(std::int32_t offset) const;
};

// A view follows the report through this, line by line.
class ReportObserver {
 public:
  virtual ~ReportObserver() = default;
  virtual void LineAdded(std::size_t index) = 0;
  virtual void Cleared() = 0;
  virtual void Replaced() = 0;  // the whole content was swapped (a reopened file)
  virtual void Formatted(std::size_t firstLine, std::size_t lastLine) = 0;
};

class Report {
 public:
  // The text limit, in characters. An append that would pass it fails and the
  // report keeps all it had. A gigabyte of report is far beyond any machine's
  // tree and still leaves every position within 32 bits.
  static constexpr std::int64_t kDefaultTextLimit = std::int64_t{1} << 30;

  explicit Report(std::int64_t textLimit = kDefaultTextLimit);

  // Lines->Add: appends the text and a line break; the caret goes to the end.
  // Throws std::runtime_error("RichEdit line insertion error") past the limit.
  void Add(std::string_view line);
  // Lines->Clear.
  void Clear();
  // Lines->LoadFromFile's last step: the whole content at once.
  void Replace(std::vector<ReportLine> lines);

  std::int32_t GetTextLen() const { return textLength_; }

  // The selection, clamped to the text as the control clamps it.
  void SetSelStart(std::int32_t position);
  void SetSelLength(std::int32_t count);
  std::int32_t SelStart() const { return selStart_; }
  std::int32_t SelLength() const { return selLength_; }

  // SelAttributes->Color = c.
  void SetSelColor(Colour colour);
  // SelAttributes->Style: reading gives the style of the selection's first
  // character (of the character before the caret when nothing is selected);
  // writing sets all four flags on every selected character.
  FontStyles SelStyle() const;
  void SetSelStyle(FontStyles style);

  std::size_t LineCount() const { return lines_.size(); }
  const ReportLine& Line(std::size_t index) const { return lines_[index]; }
  const std::vector<ReportLine>& Lines() const { return lines_; }
  CharFormat FormatAt(std::int32_t position) const;

  void SetObserver(ReportObserver* observer) { observer_ = observer; }

 private:
  // The line holding `position` (a line break belongs to its line).
  std::size_t LineOf(std::int32_t position) const;
  template <typename Change>
  void FormatSelection(Change change);

  std::vector<ReportLine> lines_;
  std::vector<std::int32_t> lineStarts_;
  std::int32_t textLength_ = 0;
  std::int32_t selStart_ = 0;
  std::int32_t selLength_ = 0;
  std::int64_t textLimit_;
  ReportObserver* observer_ = nullptr;
};

}  // namespace paarvinder
