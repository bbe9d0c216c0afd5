#include "app/ReportView.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

#include "app/QtColour.h"

namespace paarvinder {

namespace {

// The control's own text colour is no colour of the format: the palette's
// text colour shows through.
QTextCharFormat ToCharFormat(const CharFormat& format) {
  QTextCharFormat result;
  if (format.colour != clDefault) result.setForeground(ToQColor(format.colour));
  result.setFontWeight((format.style & fsBold) ? QFont::Bold : QFont::Normal);
  result.setFontItalic(format.style & fsItalic);
  result.setFontUnderline(format.style & fsUnderline);
  result.setFontStrikeOut(format.style & fsStrikeOut);
  return result;
}

// Calls show(text, format) for each format run of the line's text, in order.
template <typename Show>
void ForEachRun(const ReportLine& line, Show show) {
  const auto size = static_cast<std::int32_t>(line.text.size());
  for (std::size_t i = 0; i < line.runs.size(); ++i) {
    const std::int32_t from = std::min(line.runs[i].start, size);
    const std::int32_t to = i + 1 < line.runs.size() ? std::min(line.runs[i + 1].start, size) : size;
    if (to <= from) continue;
    show(QString::fromUtf8(line.text.data() + from, to - from), ToCharFormat(line.runs[i].format));
  }
}

}  // namespace

ReportView::ReportView(QWidget* parent) : QTextEdit(parent), end_(document()) {
  setUndoRedoEnabled(false);
  setAcceptRichText(false);
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // A rich edit's default tab stops: every half inch.
  setTabStopDistance(48);
  constexpr int kFrameMs = 20;
  repaintPause_.setSingleShot(true);
  repaintPause_.setInterval(kFrameMs);
  connect(&repaintPause_, &QTimer::timeout, this, [this] { setUpdatesEnabled(true); });
}

// Holds the view's repaints back until the frame is over; enabling them
// again repaints what changed meanwhile.
void ReportView::PauseRepaints() {
  if (repaintPause_.isActive()) return;
  setUpdatesEnabled(false);
  repaintPause_.start();
}

void ReportView::Follow(Report& report) {
  report_ = &report;
  report.SetObserver(this);
  Rebuild();
}

void ReportView::ScrollCaretToEnd() {
  QTextCursor caret = textCursor();
  caret.movePosition(QTextCursor::End);
  setTextCursor(caret);
  ensureCursorVisible();
}

// One edit, so the document is laid out once per line.
void ReportView::AppendLine(const ReportLine& line) {
  const bool first = document()->isEmpty();
  end_.beginEditBlock();
  ForEachRun(line, [this](const QString& text, const QTextCharFormat& format) { end_.insertText(text, format); });
  end_.insertBlock(LineFormat(), QTextCharFormat());
  end_.endEditBlock();
  // The first line would take the caret along to the end; only the scroll
  // request moves it there, so a text written on a hidden page shows from
  // the top.
  if (first) setTextCursor(QTextCursor(document()));
}

// Lines as high as the font's cell, rounded to whole pixels once, as the
// rich edit spaces them.
QTextBlockFormat ReportView::LineFormat() const {
  const QFontMetricsF metrics(font());
  QTextBlockFormat format;
  format.setLineHeight(qRound(metrics.ascent() + metrics.descent()), QTextBlockFormat::FixedHeight);
  return format;
}

void ReportView::LineAdded(std::size_t index) {
  PauseRepaints();
  AppendLine(report_->Line(index));
}

void ReportView::Cleared() {
  document()->clear();
  end_ = QTextCursor(document());
  end_.setBlockFormat(LineFormat());
}

void ReportView::Replaced() { Rebuild(); }

void ReportView::Rebuild() {
  Cleared();
  QTextCursor whole(document());
  whole.beginEditBlock();
  for (const ReportLine& line : report_->Lines()) AppendLine(line);
  whole.endEditBlock();
}

void ReportView::Formatted(std::size_t firstLine, std::size_t lastLine) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  QTextBlock block = document()->findBlockByNumber(static_cast<int>(firstLine));
  for (std::size_t i = firstLine; i <= lastLine && block.isValid(); ++i, block = block.next()) {
    int position = block.position();
    ForEachRun(report_->Line(i), [&](const QString& text, const QTextCharFormat& format) {
      cursor.setPosition(position);
      cursor.setPosition(position + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
      position += static_cast<int>(text.size());
    });
  }
  cursor.endEditBlock();
}

}  // namespace paarvinder
