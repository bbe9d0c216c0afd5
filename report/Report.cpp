#include "report/Report.h"

#include <algorithm>
#include <stdexcept>

namespace paarvinder {

namespace {

std::int32_t LineSpan(const ReportLine& line) {
  return static_cast<std::int32_t>(line.text.size()) + 2;
}

// Applies `change` to the formats of offsets [from, to) of a line of `span`
// offsets; no run is left starting past the line's end.
template <typename Change>
void ChangeRuns(std::vector<FormatRun>& runs, std::int32_t span, std::int32_t from, std::int32_t to,
                Change change) {
  std::vector<FormatRun> result;
  result.reserve(runs.size() + 2);
  auto push = [&result](std::int32_t start, CharFormat format) {
    if (!result.empty() && result.back().start == start) result.pop_back();
    if (!result.empty() && result.back().format == format) return;
    result.push_back({start, format});
  };
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::int32_t runStart = runs[i].start;
    const std::int32_t runEnd = i + 1 < runs.size() ? runs[i + 1].start : INT32_MAX;
    const CharFormat format = runs[i].format;
    if (runEnd <= from || runStart >= to) {
      push(runStart, format);
      continue;
    }
    if (runStart < from) push(runStart, format);
    push(std::max(runStart, from), change(format));
    if (runEnd > to && to < span) push(to, format);
  }
  runs = std::move(result);
}

}  // namespace

CharFormat ReportLine::FormatAt(std::int32_t offset) const {
  auto after = std::upper_bound(runs.begin(), runs.end(), offset,
                                [](std::int32_t value, const FormatRun& run) { return value < run.start; });
  return std::prev(after)->format;
}

Report::Report(std::int64_t textLimit) : textLimit_(textLimit) {}

void Report::Add(std::string_view line) {
  const std::int64_t grown = std::int64_t{textLength_} + static_cast<std::int64_t>(line.size()) + 2;
  if (grown > textLimit_) throw std::runtime_error("RichEdit line insertion error");
  lines_.push_back(ReportLine{std::string(line)});
  lineStarts_.push_back(textLength_);
  textLength_ = static_cast<std::int32_t>(grown);
  selStart_ = textLength_;
  selLength_ = 0;
  if (observer_) observer_->LineAdded(lines_.size() - 1);
}

void Report::Clear() {
  lines_.clear();
  lineStarts_.clear();
  textLength_ = selStart_ = selLength_ = 0;
  if (observer_) observer_->Cleared();
}

void Report::Replace(std::vector<ReportLine> lines) {
  std::vector<std::int32_t> starts;
  starts.reserve(lines.size());
  std::int64_t length = 0;
  for (const ReportLine& line : lines) {
    starts.push_back(static_cast<std::int32_t>(length));
    length += LineSpan(line);
    if (length > textLimit_) throw std::runtime_error("RichEdit line insertion error");
  }
  lines_ = std::move(lines);
  lineStarts_ = std::move(starts);
  textLength_ = static_cast<std::int32_t>(length);
  selStart_ = selLength_ = 0;
  if (observer_) observer_->Replaced();
}

void Report::SetSelStart(std::int32_t position) {
  selStart_ = std::clamp(position, 0, textLength_);
  selLength_ = 0;
}

void Report::SetSelLength(std::int32_t count) {
  selLength_ = std::clamp(count, 0, textLength_ - selStart_);
}

std::size_t Report::LineOf(std::int32_t position) const {
  auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
  return static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
}

CharFormat Report::FormatAt(std::int32_t position) const {
  if (position < 0 || position >= textLength_) return {};
  const std::size_t line = LineOf(position);
  return lines_[line].FormatAt(position - lineStarts_[line]);
}

template <typename Change>
void Report::FormatSelection(Change change) {
  if (selLength_ == 0) return;
  const std::int32_t end = selStart_ + selLength_;
  const std::size_t first = LineOf(selStart_);
  const std::size_t last = LineOf(end - 1);
  for (std::size_t i = first; i <= last; ++i) {
    const std::int32_t from = std::max(selStart_ - lineStarts_[i], 0);
    const std::int32_t span = LineSpan(lines_[i]);
    const std::int32_t to = std::min(end - lineStarts_[i], span);
    ChangeRuns(lines_[i].runs, span, from, to, change);
  }
  if (observer_) observer_->Formatted(first, last);
}

void Report::SetSelColor(Colour colour) {
  FormatSelection([colour](CharFormat f) {
    f.colour = colour;
    return f;
  });
}

FontStyles Report::SelStyle() const {
  const std::int32_t at = selLength_ > 0 ? selStart_ : selStart_ - 1;
  return FormatAt(at).style;
}

void Report::SetSelStyle(FontStyles style) {
  FormatSelection([style](CharFormat f) {
    f.style = style;
    return f;
  });
}

}  // namespace paarvinder
