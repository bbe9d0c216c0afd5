#pragma once
// Colours as the report and the layout give them (0x00BBGGRR) for painting.

#include <QColor>

#include "report/Report.h"

namespace paarvinder {

inline QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace paarvinder
