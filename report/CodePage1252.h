#pragma once
// Windows code page 1252 (Western European): the code page of the \'hh escapes
// in results files, and of plain-text files that are not UTF-8.

namespace paarvinder {

// The character a byte stands for. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) stand for the C1 control of the same number,
// as Windows maps them, so that every byte reads as something.
char32_t Cp1252ToUnicode(unsigned char byte);

// The byte of a character, or -1 when the code page has no byte for it. Only
// the characters the code page defines count: the C1 controls have no byte.
int UnicodeToCp1252(char32_t codePoint);

}  // namespace paarvinder
