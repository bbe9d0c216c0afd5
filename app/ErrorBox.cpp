#include "app/ErrorBox.h"

#include <string>

#include <QMessageBox>

namespace paarvinder {

QString ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowException(QWidget* parent, std::string_view message) {
  try {
    QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle), ErrorBoxText(message));
  } catch (...) {
    // Nothing is left to tell the user with; the program goes on.
  }
}

}  // namespace paarvinder
