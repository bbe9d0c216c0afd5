#pragma once
// Hints show in the status bar's first panel, never as tool tips: the hint
// of the control under the mouse, or of its nearest parent that has one.
// Like any idle work the panel is brought up to date only from the main
// loop; while a search run holds the thread it keeps what it showed.

#include <functional>

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace paarvinder {

void SetHint(QWidget& widget, const QString& hint);
// The hint shown for a control: its own, else its nearest parent's; empty
// for none.
QString HintFor(const QWidget* widget);

class HintDisplay final : public QObject {
 public:
  // Watches the whole application; `frozen` tells when the main loop is not
  // the one running.
  HintDisplay(QLabel& panel, std::function<bool()> frozen, QObject* parent);
  ~HintDisplay() override;

  // Shows the hint of the control under the mouse now (unless frozen).
  void Update();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel& panel_;
  std::function<bool()> frozen_;
  bool scheduled_ = false;
};

}  // namespace paarvinder
