// Field bytes to text and back: UTF-8 when valid, Windows-1252 otherwise, every byte string
// surviving the round trip, cuts never inside a UTF-8 character.

#include <gtest/gtest.h>

#include "core/fields/FieldEncoding.h"

namespace {

TEST(FieldEncodingTest, Utf8ValidityFollowsTheStrictRules) {
    const std::pair<CString, bool> cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"\xC3\xA9", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x8E\xB5", true},
        {"\xF4\x8F\xBF\xBF", true},
        {"\xE9", false},              // a Latin-1 letter alone
        {"\xC3", false},              // cut short
        {"\xC0\xAF", false},          // overlong
        {"\xE0\x80\xAF", false},      // overlong
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\x80", false},
        {"\xE2\x82"
         "A",
         false},
    };
    for (const auto& [bytes, bValid] : cases) {
        EXPECT_EQ(IsValidUtf8(bytes), bValid) << testing::PrintToString(bytes);
    }
}

TEST(FieldEncodingTest, EveryByteStringRoundTrips) {
    CString every;
    for (int i = 1; i < 256; ++i) {
        every.push_back(static_cast<char>(i));
    }
    const CString text = DecodeFieldBytes(every);
    // ASCII as it is, then every byte from 0x80 on as one character of two or three bytes.
    EXPECT_EQ(text.substr(0, 0x7F), every.substr(0, 0x7F));
    EXPECT_EQ(text.substr(0x7F, 5), "\xE2\x82\xAC\xC2\x81");  // the euro sign, then U+0081
    EXPECT_NE(text.find("\xC3\xA9"), CString::npos);          // 0xE9 is U+00E9
    EXPECT_EQ(EncodeFieldText(text, EncodingOf(every)), every);

    const CString utf8 =
        "\xEF\xBB\xBF"
        "bom kept, \xC3\xA9";
    EXPECT_EQ(EncodeFieldText(DecodeFieldBytes(utf8), EncodingOf(utf8)), utf8);
}

TEST(FieldEncodingTest, TextOutsideWindows1252FallsBackToUtf8) {
    EXPECT_EQ(EncodeFieldText("\xC3\xA9\xE2\x82\xAC", FieldEncoding::Windows1252), "\xE9\x80");
    EXPECT_EQ(EncodeFieldText("\xC3\xA9\xC5\x91", FieldEncoding::Windows1252), "\xC3\xA9\xC5\x91");
    EXPECT_EQ(EncodeFieldText("\xF0\x9F\x8E\xB5", FieldEncoding::Windows1252), "\xF0\x9F\x8E\xB5");
    EXPECT_EQ(EncodeFieldText("\xC3\xA9", FieldEncoding::Utf8), "\xC3\xA9");
}

TEST(FieldEncodingTest, CutsFallBetweenUtf8CharactersAndAnywhereInOtherBytes) {
    const std::tuple<CString, std::size_t, CString> cases[] = {
        {"abc", 5, "abc"},
        {"abcdef", 3, "abc"},
        {"ab\xC3\xA9", 3, "ab"},
        {"ab\xC3\xA9", 4, "ab\xC3\xA9"},
        {"\xF0\x9F\x8E\xB5x", 3, ""},
        {"\xF0\x9F\x8E\xB5x", 4, "\xF0\x9F\x8E\xB5"},
        {"ab\xE9\xFC", 3, "ab\xE9"},
        {"ab", 0, ""},
    };
    for (const auto& [bytes, nWidth, cut] : cases) {
        EXPECT_EQ(CutFieldBytes(bytes, nWidth), cut) << nWidth;
    }
}

}  // namespace
