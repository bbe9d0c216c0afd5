#pragma once
// Our reader of RTF 1.x: results files of our own and RTF written by word
// processors (LibreOffice, WordPad, Word, the Windows rich-edit control).
//
// What it reads: the text of the document body, one line per paragraph
// (`\par`, `\line`, `\row`, a backslash before a line end), tabs (`\tab`,
// `\cell`), `\'hh`, `\uN` with its `\ucN` fallback skipped (a surrogate pair
// makes one character; a lone U+DC80..U+DCFF is the escape of a raw byte, see
// report/Utf8.h), the escaped `\\ \{ \}`, and a few named characters (`\~`,
// `\emdash`, `\lquote`...). Formats: `\cfN` through the colour table (index 0,
// an empty entry or an index past the table give clDefault; an entry is the
// colour 0x00BBGGRR), `\b`, `\i`, `\ul` and its variants, `\ulnone`,
// `\strike`, `\striked`, `\plain`; each group keeps its own. Everything else is
// passed over: other control words, the groups marked `{\*...}` and the
// destinations without body text (font table, style sheet, info, pictures,
// headers and footers, footnotes, list tables, fields' instructions...).
//
// Every `\'hh` and every 8-bit byte is read in code page 1252, whatever the
// file declares (`\ansicpg`, `\fcharset`): the code page we write, and that of
// Western European systems. Text in other code pages comes through `\uN` in
// files of today's word processors.
//
// Damage: the reader keeps what it can. A file that breaks off (inside a
// group, a control word or a `\'`) gives the text read up to the break, so a
// cut copy of a results file still shows its hits; an incomplete `\'` is
// dropped, as are closing braces past the outermost group and anything after
// it. Only content that is not text fails: a NUL byte outside `\binN` data. The
// reader works without recursion, in time and memory linear in the input, so
// deep nesting and huge parameters (clamped) do no harm.

#include <optional>
#include <string_view>
#include <vector>

#include "report/Report.h"

namespace paarvinder {

// True when the content starts as RTF does, with "{\rtf".
bool LooksLikeRtf(std::string_view content);

// The lines of an RTF document; empty when the content is not RTF, holds a NUL
// byte outside binary data, or holds more text than a report can count.
std::optional<std::vector<ReportLine>> ReadRtf(std::string_view content);

}  // namespace paarvinder
