#include "app/StatusHints.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace paarvinder {

namespace {
constexpr const char* kHintProperty = "paarvinderHint";
}  // namespace

void SetHint(QWidget& widget, const QString& hint) { widget.setProperty(kHintProperty, hint); }

QString HintFor(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QString hint = widget->property(kHintProperty).toString();
    if (!hint.isEmpty()) return hint;
  }
  return {};
}

HintDisplay::HintDisplay(QLabel& panel, std::function<bool()> frozen, QObject* parent)
    : QObject(parent), panel_(panel), frozen_(std::move(frozen)) {
  qApp->installEventFilter(this);
}

HintDisplay::~HintDisplay() { qApp->removeEventFilter(this); }

void HintDisplay::Update() {
  if (frozen_()) return;
  const QString hint = HintFor(QApplication::widgetAt(QCursor::pos()));
  if (panel_.text() != hint) panel_.setText(hint);
}

bool HintDisplay::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseMove:
      // After the events now waiting, as the platform's idle handling would.
      if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, [this] {
          scheduled_ = false;
          Update();
        });
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace paarvinder
