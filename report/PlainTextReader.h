#pragma once
// A file that is not RTF, read as plain text without formats.
//
// Each line is taken as UTF-8 when it is valid UTF-8, else as code page 1252
// (decided line by line, so one odd name does not garble the lines around
// it). A UTF-8 byte order mark at the start is dropped. Lines end in CR LF,
// LF or a lone CR; a last line without a line end counts, an empty file has
// no lines.
//
// Content holding a NUL byte is not text (a binary file, or UTF-16) and does
// not read: the result is empty then.

#include <optional>
#include <string_view>
#include <vector>

#include "report/Report.h"

namespace paarvinder {

std::optional<std::vector<ReportLine>> ReadPlainText(std::string_view content);

}  // namespace paarvinder
