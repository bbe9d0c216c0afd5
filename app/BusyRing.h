#pragma once
// The busy ring shown while a search runs: a ring of segments whose lit
// segment steps round every 100 ms. The timer runs only while the ring is
// shown, so a hidden ring costs nothing during a run.

#include <QTimer>
#include <QWidget>

#include "report/Report.h"

namespace paarvinder {

class BusyRing final : public QWidget {
 public:
  // The colours of the layout, as 0x00BBGGRR.
  static constexpr Colour kActiveSegment = 16752543;   // light blue
  static constexpr Colour kInactiveSegment = 0xC0C0C0; // silver
  static constexpr Colour kTransitionSegment = 10485760;  // dark blue
  static constexpr Colour kProgressSegment = 4194432;     // the segments' rims
  static constexpr int kSegments = 12;
  static constexpr int kStepMilliseconds = 100;

  explicit BusyRing(QWidget* parent = nullptr);

  int Step() const { return step_; }
  bool Stepping() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  Colour SegmentColour(int segment) const;

  QTimer timer_;
  int step_ = 0;
};

}  // namespace paarvinder
