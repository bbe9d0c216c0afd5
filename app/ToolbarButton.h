#pragma once
// A toolbar button: a 48x48 picture above its caption, 73 high, either 80
// wide or sized to its caption. A hidden button takes no room: the buttons
// to its right close up.

#include <QIcon>
#include <QString>
#include <QToolButton>

class QAction;
class QToolBar;

namespace paarvinder {

class ToolbarButton final : public QToolButton {
 public:
  enum class Width { Fixed, SizedToCaption };
  static constexpr int kButtonWidth = 80;
  static constexpr int kButtonHeight = 73;
  static constexpr int kPictureSize = 48;

  // Adds itself to the right end of the bar.
  ToolbarButton(QToolBar& bar, const QString& caption, const QIcon& picture, Width width);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption);

  bool Shown() const;
  void SetShown(bool shown);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FitWidth();

  QAction* place_ = nullptr;  // the bar hides and shows the button through it
  Width width_;
};

}  // namespace paarvinder
