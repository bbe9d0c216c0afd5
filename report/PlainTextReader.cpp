#include "report/PlainTextReader.h"

#include "report/CodePage1252.h"
#include "report/ReportLineBuilder.h"
#include "report/Utf8.h"

namespace paarvinder {

namespace {

void AddLineText(ReportLineBuilder& builder, std::string_view text) {
  if (IsValidUtf8(text)) {
    builder.AddBytes(text, CharFormat{});
    return;
  }
  for (const char byte : text) builder.AddCodePoint(Cp1252ToUnicode(static_cast<unsigned char>(byte)), CharFormat{});
}

}  // namespace

std::optional<std::vector<ReportLine>> ReadPlainText(std::string_view content) {
  if (content.find('\0') != std::string_view::npos) return std::nullopt;
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  ReportLineBuilder builder;
  while (!content.empty()) {
    const std::size_t end = content.find_first_of("\r\n");
    AddLineText(builder, content.substr(0, end));
    if (end == std::string_view::npos) break;
    builder.EndLine(CharFormat{});
    const bool crLf = content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
    content.remove_prefix(end + (crLf ? 2 : 1));
  }
  std::vector<ReportLine> lines;
  if (!builder.Finish(CharFormat{}, lines)) return std::nullopt;
  return lines;
}

}  // namespace paarvinder
