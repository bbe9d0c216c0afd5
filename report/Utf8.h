#pragma once
// UTF-8 with surrogate escapes. Lines hold file names as the file system gives
// them, and a name need not be valid UTF-8. Every byte that is not part of a
// valid sequence is carried as the lone surrogate U+DC80..U+DCFF of its value
// (U+DC00 + byte), and turns back into that very byte, so any byte string
// survives a trip through code points. A valid sequence never decodes to such
// a surrogate, since UTF-8 cannot encode surrogates.

#include <cstddef>
#include <string>
#include <string_view>

namespace paarvinder {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// True for the escape of a raw byte.
constexpr bool IsByteEscape(char32_t codePoint) { return codePoint >= 0xDC80 && codePoint <= 0xDCFF; }

// The code point that starts at `position`, which moves past it. A byte that
// starts no valid sequence (overlong, surrogate, beyond U+10FFFF, cut short)
// gives its escape and moves the position by one.
char32_t DecodeUtf8(std::string_view text, std::size_t& position);

// Appends a code point as UTF-8. An escape appends its raw byte; any other
// surrogate, or a value beyond U+10FFFF, appends U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

bool IsValidUtf8(std::string_view text);

}  // namespace paarvinder
