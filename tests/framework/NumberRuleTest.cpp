// The one number rule of every page, exercised on real edit boxes of a page on the offscreen
// platform.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "core/fields/PositiveInteger.h"
#include "framework/WidgetText.h"

namespace {

struct ParseCase {
    std::string text;
    std::optional<DWORD> expected;
};

class ParsePositiveIntegerTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePositiveIntegerTest, GivesTheValueOrRefuses) {
    EXPECT_EQ(ParsePositiveInteger(GetParam().text), GetParam().expected)
        << "text: \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsePositiveIntegerTest,
    ::testing::Values(ParseCase{"42", 42}, ParseCase{" \t42 \t", 42}, ParseCase{"+7", 7},
                      ParseCase{"0", 0}, ParseCase{"  0  ", 0}, ParseCase{"007", 7},
                      ParseCase{"-1", std::nullopt}, ParseCase{"-0", std::nullopt},
                      ParseCase{"0x10", std::nullopt}, ParseCase{"abc", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"+", std::nullopt}, ParseCase{"+0", std::nullopt},
                      ParseCase{"12a", std::nullopt}, ParseCase{"1 2", std::nullopt},
                      ParseCase{"4294967295", 4294967295u}, ParseCase{"4294967296", 4294967295u},
                      ParseCase{"18446744073709551617", 4294967295u},
                      // Only the first 31 characters count: the letter after them is not seen,
                      // and a number that starts after them is not either.
                      ParseCase{std::string(29, ' ') + "12x", 12},
                      ParseCase{std::string(31, ' ') + "5", std::nullopt}));

TEST(FormatPositiveIntegerTest, WritesPlainDecimal) {
    EXPECT_EQ(FormatPositiveInteger(0), "0");
    EXPECT_EQ(FormatPositiveInteger(4096), "4096");
    EXPECT_EQ(FormatPositiveInteger(4294967295u), "4294967295");
}

// A page with three number boxes, built from the five-box template 131.
class ThreeNumberPage : public CDialog {
public:
    DWORD m_first = 1;
    DWORD m_second = 2;
    DWORD m_third = 3;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 1016, m_first);
        DDX_Text(pDX, 1017, m_second);
        DDX_Text(pDX, 1005, m_third);
    }
};

class NumberExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousHook = SetMessageBoxHook([this](const CString& text, UINT) {
            m_messages.push_back(text);
            return 1;
        });
        ASSERT_TRUE(m_page.Create(131));
    }
    void TearDown() override { SetMessageBoxHook(m_previousHook); }

    void Type(int nID, const QString& text) {
        SetWidgetText(FindControl(m_page.GetSafeHwnd(), nID), text);
    }
    QLineEdit* Box(int nID) {
        return qobject_cast<QLineEdit*>(FindControl(m_page.GetSafeHwnd(), nID));
    }

    ThreeNumberPage m_page;
    std::vector<CString> m_messages;
    MessageBoxHook m_previousHook;
};

TEST_F(NumberExchangeTest, ShowsMembersAsDecimal) {
    EXPECT_EQ(Box(1016)->text(), "1");
    EXPECT_EQ(Box(1017)->text(), "2");
    EXPECT_EQ(Box(1005)->text(), "3");
}

TEST_F(NumberExchangeTest, ValidTextIsTakenBackSilently) {
    Type(1016, " 10 ");
    Type(1017, "\t+20");
    Type(1005, "4294967296");
    EXPECT_TRUE(m_page.UpdateData(TRUE));
    EXPECT_EQ(m_page.m_first, 10u);
    EXPECT_EQ(m_page.m_second, 20u);
    EXPECT_EQ(m_page.m_third, 4294967295u);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(NumberExchangeTest, InvalidTextStopsTheExchangeThere) {
    Type(1016, "11");
    Type(1017, "12a");
    Type(1005, "13");
    m_page.GetSafeHwnd()->show();
    EXPECT_FALSE(m_page.UpdateData(TRUE));
    EXPECT_EQ(m_page.m_first, 11u);  // exchanged before the invalid box
    EXPECT_EQ(m_page.m_second, 2u);  // the invalid box keeps its value
    EXPECT_EQ(m_page.m_third, 3u);   // and so does every box after it
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "Please enter a positive integer.");
    EXPECT_EQ(Box(1017)->selectedText(), "12a");
}

}  // namespace
