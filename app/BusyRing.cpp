#include "app/BusyRing.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "app/QtColour.h"

namespace paarvinder {

BusyRing::BusyRing(QWidget* parent) : QWidget(parent) {
  timer_.setInterval(kStepMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] {
    step_ = (step_ + 1) % kSegments;
    update();
  });
}

// The lit segment is the head; the two behind it fade through the
// transition colour, the rest are unlit.
Colour BusyRing::SegmentColour(int segment) const {
  const int behind = (step_ - segment + kSegments) % kSegments;
  if (behind == 0) return kActiveSegment;
  if (behind <= 2) return kTransitionSegment;
  return kInactiveSegment;
}

void BusyRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal outer = (std::min(width(), height()) - 4) / 2.0;
  const qreal inner = outer * 0.55;
  const QPointF centre = QRectF(rect()).center();
  const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
  const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
  const qreal sweep = 360.0 / kSegments;
  const qreal gap = 6.0;
  painter.setPen(QPen(ToQColor(kProgressSegment), 1));
  for (int segment = 0; segment < kSegments; ++segment) {
    // Clockwise from twelve o'clock; Qt's angles run anticlockwise from three.
    const qreal start = 90.0 - segment * sweep - gap / 2;
    QPainterPath path;
    path.arcMoveTo(outerBox, start);
    path.arcTo(outerBox, start, -(sweep - gap));
    path.arcTo(innerBox, start - (sweep - gap), sweep - gap);
    path.closeSubpath();
    painter.setBrush(ToQColor(SegmentColour(segment)));
    painter.drawPath(path);
  }
}

void BusyRing::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  timer_.start();
}

void BusyRing::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  timer_.stop();
}

}  // namespace paarvinder
