#include "Cp1251.h"

#include <array>

namespace halvane {

namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> HighTable{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i`; returns U+FFFFFFFF for a malformed one
// and always advances at least one byte.
char32_t NextUtf8(std::string_view s, size_t &i)
{
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
    } else {
        ++i;
        return char32_t(-1);
    }
    if (i + extra >= s.size()) {
        i = s.size();
        return char32_t(-1);
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            i += k;
            return char32_t(-1);
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra + 1;
    return cp;
}

} // namespace

char32_t Cp1251ToUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return char32_t(0x0410 + (byte - 0xC0));
    return HighTable[byte - 0x80];
}

int UnicodeToCp1251(char32_t cp)
{
    if (cp < 0x80)
        return int(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return int(0xC0 + (cp - 0x0410));
    for (int i = 0; i < int(HighTable.size()); ++i)
        if (HighTable[i] == cp)
            return 0x80 + i;
    return -1;
}

std::string Cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8, char replacement)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = NextUtf8(utf8, i);
        const int b = cp == char32_t(-1) ? -1 : UnicodeToCp1251(cp);
        out += b < 0 ? replacement : char(b);
    }
    return out;
}

} // namespace halvane
