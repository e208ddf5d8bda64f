// The overview page with a recording player: what it hands the player and when, the install
// hint without a player, the Convert button and the player's error event.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "ViewerTestSupport.h"
#include "app/OverviewPage.h"
#include "pages/Overview.h"

namespace {

using viewertest::ScopedFakePlayer;
using viewertest::ScopedMessageBoxRecorder;
using Calls = std::vector<std::string>;

QWidget* Control(COverviewPage& page, int nID) {
    CWnd* pWnd = page.GetDlgItem(nID);
    return pWnd ? pWnd->GetSafeHwnd() : nullptr;
}

QString InfoText(COverviewPage& page) {
    return static_cast<QLabel*>(Control(page, 1028))->text();
}

class OverviewPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_strOverview = "RIFF WAVE file.\r\n\r\n";
        g_bHasBext = FALSE;
    }
    // The calls made on the player since the last look.
    Calls TakeCalls() {
        Calls calls = std::move(player.control()->calls);
        player.control()->calls.clear();
        return calls;
    }

    ScopedMessageBoxRecorder boxes;
    ScopedFakePlayer player;
};

TEST_F(OverviewPageTest, CreatesThePlayerOverTheTopOfThePageWithTheStartupFlagOff) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    ASSERT_EQ(player.created(), 1);
    EXPECT_TRUE(page.m_bPlayer);
    EXPECT_EQ(TakeCalls(), Calls({"SetStartupFlag(0)"}));
    EXPECT_EQ(player.control()->geometry(), QRect(10, 10, 290, 190));
    EXPECT_EQ(player.control()->parentWidget(), page.GetSafeHwnd());
    EXPECT_TRUE(Control(page, 1025)->isHidden());
    EXPECT_TRUE(Control(page, 1024)->isHidden());
    // The placeholder of the template is replaced by the empty text at once.
    EXPECT_EQ(InfoText(page), QString());
}

TEST_F(OverviewPageTest, ASecondFileHaltsThePlayerOnceAndClearsItsPathFirst) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    TakeCalls();
    page.SetFileInfo(CString());
    page.SetFileInfo("/music/First.wav");
    // No halt while the player holds nothing.
    EXPECT_EQ(TakeCalls(), Calls({"GetMediaPath", "SetMediaPath()", "GetMediaPath",
                                  "SetMediaPath(/music/First.wav)"}));
    page.SetFileInfo(CString());
    page.SetFileInfo("/music/Second.wav");
    EXPECT_EQ(TakeCalls(), Calls({"GetMediaPath", "HaltPlayback", "SetMediaPath()", "GetMediaPath",
                                  "SetMediaPath(/music/Second.wav)"}));
}

TEST_F(OverviewPageTest, ShowsTheOverviewTextOfTheMomentAndKeepsItForAnEmptyPath) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    g_strOverview = "RIFF WAVE file.\r\n\r\nPCM 44100 Hz\r\n";
    page.SetFileInfo("/music/a.wav");
    EXPECT_EQ(InfoText(page), QString::fromStdString(g_strOverview));
    g_strOverview = "something else";
    page.SetFileInfo(CString());
    EXPECT_EQ(InfoText(page), QStringLiteral("RIFF WAVE file.\r\n\r\nPCM 44100 Hz\r\n"));
}

TEST_F(OverviewPageTest, TheConvertButtonIsDisabledForAFileWithABextChunk) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    QWidget* pConvert = Control(page, 1027);
    for (const BOOL bHasBext : {TRUE, FALSE}) {
        g_bHasBext = bHasBext;
        page.SetFileInfo("/music/a.wav");
        EXPECT_EQ(pConvert->isEnabled(), !bHasBext);
        // An empty path leaves the button as it was.
        g_bHasBext = !bHasBext;
        page.SetFileInfo(CString());
        EXPECT_EQ(pConvert->isEnabled(), !bHasBext);
    }
    EXPECT_TRUE(pConvert->isHidden());
    static_cast<QPushButton*>(pConvert)->click();
    EXPECT_EQ(boxes.texts, std::vector<CString>({"Not yet implemented."}));
}

TEST_F(OverviewPageTest, ThePlayersErrorStaysOnThePageUntilTheNextFile) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    player.control()->RaiseError(2, "Cannot decode the file /music/a.wav.");
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(page.m_strPlayerProblem, "Cannot decode the file /music/a.wav.");
    page.SetFileInfo("/music/b.wav");
    EXPECT_EQ(page.m_strPlayerProblem, "");
    EXPECT_TRUE(player.control()->toolTip().isEmpty());
}

TEST_F(OverviewPageTest, ARefusedCallIsReportedAndThePathIsStillHandedOn) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    player.control()->strPath = "/music/a.wav";
    player.control()->refusedDispid = 11;
    TakeCalls();
    page.SetFileInfo(CString());
    // A refused read counts as a player holding nothing: no halt, but the path is still set.
    EXPECT_EQ(TakeCalls(), Calls({"GetMediaPath", "SetMediaPath()"}));
    ASSERT_EQ(boxes.texts.size(), 2U);
    EXPECT_NE(boxes.texts[0].find("refused by the test"), CString::npos);
}

class OverviewPageWithoutPlayerTest : public OverviewPageTest {
protected:
    ScopedFakePlayer missing{false};
};

TEST_F(OverviewPageWithoutPlayerTest, ShowsTheInstallHintAndLeavesThePlayerAlone) {
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    EXPECT_FALSE(page.m_bPlayer);
    EXPECT_TRUE(page.m_player.IsWindowless());
    EXPECT_FALSE(Control(page, 1025)->isHidden());
    EXPECT_FALSE(Control(page, 1024)->isHidden());
    const QString hint = static_cast<QLabel*>(Control(page, 1025))->text();
    EXPECT_TRUE(hint.contains(QStringLiteral("gstreamer1.0-plugins-good"))) << hint.toStdString();
    EXPECT_TRUE(hint.contains(QStringLiteral("gstreamer1.0-plugins-base")));
    page.SetFileInfo("/music/a.wav");
    page.SetFileInfo(CString());
    EXPECT_EQ(InfoText(page), QStringLiteral("RIFF WAVE file.\r\n\r\n"));
    EXPECT_EQ(missing.created(), 0);
    EXPECT_TRUE(boxes.texts.empty());
}

}  // namespace
