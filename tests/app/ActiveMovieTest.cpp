// The player wrapper over the real player control, found by its class id: it loads a sample
// wave file (or its error event says why not), and an empty path leaves no hold on the file.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "RiffWriter.h"
#include "ViewerTestSupport.h"
#include "app/OverviewPage.h"
#include "framework/DialogTemplate.h"
#include "player/ActiveMovie.h"
#include "player/MediaPlayerControl.h"

namespace {

constexpr int kWaitMs = 15000;

TEST(ActiveMovieTest, MakesNoCallWithoutAControl) {
    CActiveMovie player;
    player.HaltPlayback();
    player.SetMediaPath("/music/a.wav");
    player.SetStartupFlag(FALSE);
    EXPECT_EQ(player.GetMediaPath(), CString());
    EXPECT_TRUE(player.IsWindowless());
}

TEST(ActiveMovieTest, CreatesTheControlRegisteredForItsClassId) {
    viewertest::ScopedFakePlayer fake;
    CDialog parent;
    ASSERT_TRUE(parent.Create(135));
    CActiveMovie player;
    ASSERT_TRUE(player.Create("ignored", "ActiveMovieCtrl", WS_VISIBLE, CRect{10, 10, 300, 200},
                              &parent, 1000));
    EXPECT_EQ(player.GetSafeHwnd(), fake.control());
    EXPECT_EQ(player.GetDlgCtrlID(), 1000);
    player.SetMediaPath("/music/a.wav");
    EXPECT_EQ(player.GetMediaPath(), "/music/a.wav");
}

TEST(ActiveMovieTest, TheRealPlayerLoadsASampleOrReportsWhyNot) {
    AfxEnableControlContainer();
    viewertest::ScopedMessageBoxRecorder boxes;
    testfiles::TempDir dir;
    const CString strPath = dir.file("Sample Tone.wav");
    viewertest::WriteBroadcastWave(strPath, "tone", 88200);
    COverviewPage page;
    ASSERT_TRUE(page.Create(142));
    if (!page.m_bPlayer) {
        GTEST_SKIP() << "no multimedia backend on this machine";
    }
    auto* pControl = qobject_cast<MediaPlayerControl*>(page.m_player.GetSafeHwnd());
    ASSERT_NE(pControl, nullptr);
    page.SetFileInfo(strPath);
    EXPECT_EQ(page.m_player.GetMediaPath(), strPath);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return pControl->MediaStatus() == QMediaPlayer::LoadedMedia || !boxes.texts.empty();
        },
        kWaitMs));
    if (!boxes.texts.empty()) {
        EXPECT_NE(boxes.texts[0].find("Sample Tone.wav"), CString::npos) << boxes.texts[0];
    }
    page.SetFileInfo(CString());
    EXPECT_EQ(page.m_player.GetMediaPath(), CString());
    EXPECT_EQ(pControl->MediaStatus(), QMediaPlayer::NoMedia);
}

}  // namespace
