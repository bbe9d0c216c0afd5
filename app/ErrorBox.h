#pragma once
// The error box: an exception that escapes a handler is shown here and the
// program goes on. Qt must never see an exception pass through it, so every
// handler runs inside Guarded.

#include <exception>
#include <string_view>

#include <QString>

class QWidget;

namespace paarvinder {

inline constexpr const char* kApplicationTitle = "Paarvinder";

// The message with a full stop added when its last byte sorts after ".".
QString ErrorBoxText(std::string_view message);

// A critical message box captioned with the application title.
void ShowException(QWidget* parent, std::string_view message);

template <typename Handler>
void Guarded(QWidget* parent, Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(parent, error.what());
  } catch (...) {
    ShowException(parent, "Unknown exception");
  }
}

}  // namespace paarvinder
