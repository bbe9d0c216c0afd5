#include "app/ToolbarButton.h"

#include <algorithm>

#include <QAction>
#include <QEvent>
#include <QToolBar>

namespace paarvinder {

namespace {
// What a button sized to its caption adds to the wider of picture and caption.
constexpr int kCaptionPadding = 7;
}  // namespace

ToolbarButton::ToolbarButton(QToolBar& bar, const QString& caption, const QIcon& picture, Width width)
    : QToolButton(&bar), width_(width) {
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setIconSize(QSize(kPictureSize, kPictureSize));
  setIcon(picture);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setFixedHeight(kButtonHeight);
  SetCaption(caption);
  place_ = bar.addWidget(this);
}

void ToolbarButton::SetCaption(const QString& caption) {
  setText(caption);
  FitWidth();
}

void ToolbarButton::FitWidth() {
  if (width_ == Width::Fixed) {
    setFixedWidth(kButtonWidth);
    return;
  }
  const int caption = fontMetrics().horizontalAdvance(text());
  setFixedWidth(std::max(kPictureSize, caption) + kCaptionPadding);
}

void ToolbarButton::changeEvent(QEvent* event) {
  QToolButton::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitWidth();
}

bool ToolbarButton::Shown() const { return place_->isVisible(); }

void ToolbarButton::SetShown(bool shown) { place_->setVisible(shown); }

}  // namespace paarvinder
