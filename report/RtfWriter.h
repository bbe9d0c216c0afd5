#pragma once
// The report as RTF 1.x, the content of a results file.
//
// One paragraph per line, in Arial at 12 points, with the colour and the four
// style flags of every character: a colour table whose first entry is empty
// (the reader's own text colour, clDefault) followed by each colour the report
// uses, `\cfN`, `\b`, `\i`, `\ul`, `\strike`. A paragraph mark carries one
// format, so a line break keeps the format of its first half.
//
// The output is 7-bit: tabs as `\tab`; other characters that are not printable
// ASCII as `\'hh` in code page 1252 where it has them, else as `\uN?` (UTF-16,
// a surrogate pair beyond U+FFFF), control characters such as a line feed in a
// file name included. A byte that is not part of valid UTF-8 goes out as the
// `\uN` of its surrogate escape (report/Utf8.h), which our reader turns back
// into that byte. A colour outside 0..0xFFFFFF is written as the default.

#include <string>
#include <vector>

#include "report/Report.h"

namespace paarvinder {

std::string WriteRtf(const std::vector<ReportLine>& lines);

}  // namespace paarvinder
