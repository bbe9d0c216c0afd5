#include "app/ResultsDialog.h"

#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace paarvinder {

namespace {

class ResultsFilesOnly final : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) return true;
    const QModelIndex entry = files->index(row, 0, parent);
    return files->isDir(entry) || IsResultsFileName(files->fileName(entry));
  }
};

}  // namespace

bool IsResultsFileName(const QString& name) {
  static const QString kPrefix = QStringLiteral("zoekresultaten(");
  static const QString kSuffix = QStringLiteral(".rtf");
  return name.size() >= kPrefix.size() + kSuffix.size() && name.startsWith(kPrefix, Qt::CaseInsensitive) &&
         name.endsWith(kSuffix, Qt::CaseInsensitive);
}

ResultsDialog::ResultsDialog(QWidget* parent) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::HideNameFilterDetails);
  setWindowTitle(QStringLiteral("Zoek eerdere zoekresultaten"));
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::AnyFile);
  setDefaultSuffix(QStringLiteral("rtf"));
  setNameFilter(QStringLiteral("Zoekbestanden (*)"));
  setProxyModel(new ResultsFilesOnly(this));
}

std::optional<QString> ResultsDialog::Execute(const QString& folder) {
  setDirectory(folder);
  if (!fileName_.isEmpty()) selectFile(fileName_);
  if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
  fileName_ = selectedFiles().constFirst();
  return fileName_;
}

}  // namespace paarvinder
