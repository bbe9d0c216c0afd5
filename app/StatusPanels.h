#pragma once
// The status bar as two panels side by side: the first as wide as it is
// told, the last reaching to the right edge.

#include <array>

#include <QLabel>
#include <QStatusBar>

namespace paarvinder {

class StatusPanels final : public QStatusBar {
 public:
  static constexpr int kHeight = 26;

  explicit StatusPanels(QWidget* parent = nullptr);

  QLabel* Panel(int index) const { return panels_.at(index); }
  void SetFirstPanelWidth(int width);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();

  std::array<QLabel*, 2> panels_{};
  int firstWidth_ = 50;
};

}  // namespace paarvinder
