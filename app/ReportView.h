#pragma once
// A read-only rich-text view that follows a report line by line: every
// appended line is in the view the moment it is appended, with its colour
// and styles, and is painted within a frame.
//
// The view only shows: the report keeps the bytes. A line that is not valid
// UTF-8 shows U+FFFD for each bad sequence.
//
// Appending costs the same however long the report is: the text goes in at
// the end through a cursor kept there, with no undo history, so only the new
// block is laid out. Painting is what costs most: a run that finds a file in
// folder after folder repaints the view once a frame, not once a line.

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "report/Report.h"

namespace paarvinder {

class ReportView final : public QTextEdit, public ReportObserver {
 public:
  explicit ReportView(QWidget* parent = nullptr);

  // Shows the report and follows it from now on. The report must outlive the
  // view or be given another observer first.
  void Follow(Report& report);

  // The scroll request: the caret goes to the end and into view.
  void ScrollCaretToEnd();

  void LineAdded(std::size_t index) override;
  void Cleared() override;
  void Replaced() override;
  void Formatted(std::size_t firstLine, std::size_t lastLine) override;

 private:
  void Rebuild();
  void AppendLine(const ReportLine& line);
  QTextBlockFormat LineFormat() const;
  void PauseRepaints();

  Report* report_ = nullptr;
  QTextCursor end_;
  QTimer repaintPause_;
};

}  // namespace paarvinder
