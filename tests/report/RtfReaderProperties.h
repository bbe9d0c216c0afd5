#pragma once
// What must hold for any input to the RTF reader, checked by the fuzz harness
// and by the replay of its corpus: the reader finishes without a fault, and
// whatever it reads, and any bytes as the text of a line, come back unchanged
// through the writer.

#include <string>
#include <string_view>
#include <vector>

#include "report/RtfReader.h"
#include "report/RtfWriter.h"

namespace paarvinder {

inline bool SameLines(const std::vector<ReportLine>& a, const std::vector<ReportLine>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].text != b[i].text || a[i].runs != b[i].runs) return false;
  }
  return true;
}

// False when a property fails.
inline bool RtfReaderPropertiesHold(std::string_view data) {
  if (const auto lines = ReadRtf(data)) {
    const auto again = ReadRtf(WriteRtf(*lines));
    if (!again || !SameLines(*again, *lines)) return false;
  }
  std::vector<ReportLine> raw(1);
  raw[0].text = std::string(data);
  const auto rawAgain = ReadRtf(WriteRtf(raw));
  return rawAgain && SameLines(*rawAgain, raw);
}

}  // namespace paarvinder
