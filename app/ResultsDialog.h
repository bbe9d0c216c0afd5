#pragma once
// The open dialog of "Resultaten". It lists the folders and the results
// files: names matching zoekresultaten(*.rtf whatever their letter case.
// Qt's own name filters can hold no "(" and match case-sensitively here, so
// the dialog is Qt's own (not the desktop's) with a filter model of ours.
// A typed name of a file that does not exist is let through: opening it then
// fails with the reader's own message.

#include <optional>

#include <QFileDialog>
#include <QString>

namespace paarvinder {

// Does the name match zoekresultaten(*.rtf, ignoring letter case?
bool IsResultsFileName(const QString& name);

class ResultsDialog final : public QFileDialog {
 public:
  explicit ResultsDialog(QWidget* parent);

  // Opens in `folder`, offering the last chosen file again; the chosen
  // file's full name, or nothing when cancelled. A last choice in another
  // folder brings the dialog to that folder, as a full file name does.
  std::optional<QString> Execute(const QString& folder);

 private:
  QString fileName_;
};

}  // namespace paarvinder
