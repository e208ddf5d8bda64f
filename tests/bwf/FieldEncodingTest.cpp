// Field bytes to box text and back: UTF-8 when valid, Windows-1252 otherwise, every byte string
// surviving the round trip, cuts never inside a UTF-8 character.

#include <gtest/gtest.h>

#include "bwf/FieldEncoding.h"

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
        EXPECT_EQ(IsValidUtf8(bytes), bValid) << QByteArray::fromStdString(bytes).toHex().data();
    }
}

TEST(FieldEncodingTest, EveryByteStringRoundTrips) {
    CString every;
    for (int i = 1; i < 256; ++i) {
        every.push_back(static_cast<char>(i));
    }
    const QString text = DecodeFieldBytes(every);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC));
    EXPECT_EQ(text.at(0x81 - 1), QChar(0x81));
    EXPECT_EQ(text.at(0xE9 - 1), QChar(0xE9));
    EXPECT_EQ(EncodeFieldText(text, EncodingOf(every)), every);

    const CString utf8 =
        "\xEF\xBB\xBF"
        "bom kept, \xC3\xA9";
    EXPECT_EQ(EncodeFieldText(DecodeFieldBytes(utf8), EncodingOf(utf8)), utf8);
}

TEST(FieldEncodingTest, TextOutsideWindows1252FallsBackToUtf8) {
    EXPECT_EQ(
        EncodeFieldText(QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"), FieldEncoding::Windows1252),
        "\xE9\x80");
    EXPECT_EQ(EncodeFieldText(QString::fromUtf8("\xC3\xA9\xC5\x91"), FieldEncoding::Windows1252),
              "\xC3\xA9\xC5\x91");
    EXPECT_EQ(EncodeFieldText(QString::fromUtf8("\xC3\xA9"), FieldEncoding::Utf8), "\xC3\xA9");
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
