#include "document/cp1251.h"

#include "document/errors.h"

#include <array>
#include <cstdio>

namespace brimvale::cp1251 {

namespace {

// Code points of bytes 0x80 to 0xFF. The code page leaves 0x98 unassigned;
// it is kept as U+0098 so that no byte is ever lost on the way to Unicode.
constexpr std::array<char16_t, 128> kHighHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char32_t kCyrillicCapitalA = 0x0410;
constexpr char32_t kCyrillicSmallYa = 0x044F;

[[noreturn]] void throwUnmappable(char32_t codePoint)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    throw EEncodingError(std::string("The character ") + text + " has no Windows-1251 form");
}

[[noreturn]] void throwMalformed(std::size_t offset)
{
    throw EEncodingError("Invalid UTF-8 text at byte " + std::to_string(offset));
}

char encode(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    // The whole Russian alphabet but Ё/ё lies in one run at 0xC0.
    if (codePoint >= kCyrillicCapitalA && codePoint <= kCyrillicSmallYa)
        return static_cast<char>(0xC0 + (codePoint - kCyrillicCapitalA));
    for (std::size_t i = 0; i < 64; ++i) {
        if (kHighHalf[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    throwUnmappable(codePoint);
}

// Decodes one UTF-8 sequence at `pos`, refusing overlong forms, surrogates
// and anything above U+10FFFF, and advances `pos` past it.
char32_t decodeUtf8(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;

    int continuation = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        throwMalformed(start);
    }
    for (int i = 0; i < continuation; ++i) {
        if (pos >= text.size())
            throwMalformed(start);
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80)
            throwMalformed(start);
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        throwMalformed(start);
    return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // Every character of the code page lies in the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

char32_t toUnicode(unsigned char byte)
{
    return byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80u]};
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size())
        out += encode(decodeUtf8(utf8, pos));
    return out;
}

std::string toUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

} // namespace brimvale::cp1251
