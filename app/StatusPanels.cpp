#include "app/StatusPanels.h"

#include <algorithm>

namespace paarvinder {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  setFixedHeight(kHeight);
  for (QLabel*& panel : panels_) {
    panel = new QLabel(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setIndent(2);
    panel->setMouseTracking(true);
  }
  setMouseTracking(true);
  Arrange();
}

void StatusPanels::SetFirstPanelWidth(int width) {
  firstWidth_ = std::max(width, 0);
  Arrange();
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  Arrange();
}

void StatusPanels::Arrange() {
  const int first = std::min(firstWidth_, width());
  panels_[0]->setGeometry(0, 0, first, height());
  panels_[1]->setGeometry(first, 0, width() - first, height());
}

}  // namespace paarvinder
