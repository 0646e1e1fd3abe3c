#pragma once
// Windows-1251, the byte encoding of every file and wire text of the game.
// Bytes 0x00-0x7F are ASCII. 0x98 has no character in the code page; it maps to
// U+0098 and back so that every byte survives a round trip.

#include <string>
#include <string_view>

namespace halvane {

char32_t Cp1251ToUnicode(unsigned char byte);
// The byte for a code point, or -1 when Windows-1251 cannot write it.
int UnicodeToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters the code page lacks become `replacement`; invalid UTF-8 too.
std::string Utf8ToCp1251(std::string_view utf8, char replacement = '?');

} // namespace halvane
