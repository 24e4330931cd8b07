#include "document/cp1251.h"
#include "document/errors.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>

namespace {

using namespace brimvale;

// glibc's converter, used as an independent reference for the code page.
std::optional<std::string> iconvConvert(const char* to, const char* from, const std::string& input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv_open failed");
    std::string in = input;
    std::string out(input.size() * 4 + 8, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string utf8Of(char32_t cp)
{
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(Cp1251Codec, EveryByteDecodesAsIconvDoesAndRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        const std::string ours = cp1251::toUtf8(byte);
        const auto reference = iconvConvert("UTF-8", "WINDOWS-1251", byte);
        if (reference) {
            EXPECT_EQ(ours, *reference);
        } else {
            // The one unassigned byte: kept as the C1 control of the same
            // number, so that no byte is lost on the way through Unicode.
            EXPECT_EQ(b, 0x98);
            EXPECT_EQ(ours, utf8Of(0x98));
        }
        EXPECT_EQ(cp1251::fromUtf8(ours), byte);
    }
}

TEST(Cp1251Codec, AcceptsExactlyTheCharactersIconvAcceptsInTheBasicPlane)
{
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        if (cp == 0x98)
            continue; // ours keeps it as byte 0x98, see above
        const std::string utf8 = utf8Of(cp);
        const auto reference = iconvConvert("WINDOWS-1251", "UTF-8", utf8);
        if (reference) {
            ASSERT_EQ(cp1251::fromUtf8(utf8), *reference) << "U+" << std::hex << static_cast<unsigned>(cp);
        } else {
            ASSERT_THROW(cp1251::fromUtf8(utf8), EEncodingError) << "U+" << std::hex << static_cast<unsigned>(cp);
        }
    }
}

TEST(Cp1251Codec, RussianTextBecomesOneBytePerLetter)
{
    EXPECT_EQ(cp1251::fromUtf8("set username \"Идент\""), "set username \"\xC8\xE4\xE5\xED\xF2\"");
    EXPECT_EQ(cp1251::fromUtf8("Ёё№"), "\xA8\xB8\xB9");
    EXPECT_EQ(cp1251::toUtf8("\xC0\xFF"), "Ая");
    EXPECT_EQ(cp1251::fromUtf8(""), "");
}

struct RefusedCase {
    const char* name;
    std::string utf8;
    std::string message;
};

class Cp1251Refusal : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Cp1251Refusal, NamesTheProblem)
{
    try {
        cp1251::fromUtf8(GetParam().utf8);
        FAIL() << "accepted";
    } catch (const EEncodingError& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1251Refusal,
    ::testing::Values(
        RefusedCase{"Emoji", "ok \xF0\x9F\x98\x80", "The character U+1F600 has no Windows-1251 form"},
        RefusedCase{"Chinese", "\xE4\xB8\xAD", "The character U+4E2D has no Windows-1251 form"},
        RefusedCase{"LatinWithAccent", "caf\xC3\xA9", "The character U+00E9 has no Windows-1251 form"},
        RefusedCase{"Overlong", "a\xC0\x80", "Invalid UTF-8 text at byte 1"},
        RefusedCase{"Surrogate", "ab\xED\xA0\x80", "Invalid UTF-8 text at byte 2"},
        RefusedCase{"BeyondUnicode", "\xF4\x90\x80\x80", "Invalid UTF-8 text at byte 0"},
        RefusedCase{"Truncated", "abc\xD0", "Invalid UTF-8 text at byte 3"},
        RefusedCase{"StrayContinuation", "\x80", "Invalid UTF-8 text at byte 0"},
        RefusedCase{"BadContinuation", "\xD0\x41", "Invalid UTF-8 text at byte 0"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
