// Where the pages lie: below the whole tab bar, also when a large font makes the bar taller than
// the usual 28 pixels, so that every pixel of every tab takes its click.

#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include "ChildProcess.h"
#include "TestFiles.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/TabControlWidget.h"

namespace {

using testfiles::TempDir;

constexpr double kLargeFontDpi = 192;

QTabBar* Bar(const CViewerDlg& dlg) {
    return static_cast<TabControlWidget*>(dlg.m_tab.GetSafeHwnd())->TabBar();
}

// Every row of every tab, at its left edge, middle and right edge, reaches the bar itself.
void ExpectTabsWhole(const CViewerDlg& dlg) {
    QWidget* pWindow = dlg.GetSafeHwnd();
    QTabBar* pBar = Bar(dlg);
    for (int nTab = 0; nTab < pBar->count(); ++nTab) {
        const QRect tab = pBar->tabRect(nTab);
        for (int y = tab.top(); y <= tab.bottom(); ++y) {
            for (const int x : {tab.left(), tab.center().x(), tab.right()}) {
                const QWidget* pHit = pWindow->childAt(pBar->mapTo(pWindow, QPoint(x, y)));
                EXPECT_TRUE(pHit == pBar) << "tab " << nTab << " at (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_GE(dlg.m_rcPage.top, pBar->mapTo(pWindow, QPoint(0, pBar->height())).y());
}

class PageRectTest : public ::testing::Test {
protected:
    void Start() {
        const CString strPath = dir.file("a.wav");
        viewertest::WriteBroadcastWave(strPath, "Morning news");
        dlg = std::make_unique<CViewerDlg>(strPath);
        ASSERT_TRUE(dlg->Create(130));
        dlg->GetSafeHwnd()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg->GetSafeHwnd()));
    }

    TempDir dir;
    viewertest::ScopedMessageBoxRecorder boxes;
    viewertest::ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
};

TEST_F(PageRectTest, PagesLieBelowTheTabsAtTheUsualFont) {
    Start();
    ExpectTabsWhole(*dlg);
}

// Runs on a screen of twice the usual resolution, unscaled, where the dialog's 8 points are twice
// as tall.
TEST_F(PageRectTest, DISABLED_PagesLieBelowTheTabsAtALargeFont) {
    Start();
    ASSERT_GT(Bar(*dlg)->height(), 28);
    ExpectTabsWhole(*dlg);
    // A click on the last row of a tab changes the page.
    const QRect tab = Bar(*dlg)->tabRect(2);
    QTest::mouseClick(Bar(*dlg), Qt::LeftButton, {}, QPoint(tab.center().x(), tab.bottom()));
    EXPECT_EQ(dlg->m_nCurTab, 2);
}

TEST_F(PageRectTest, PagesLieBelowTheTabsAtALargeFont) {
    const QString config = QString::fromStdString(dir.file("large-font.json"));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 1600,
        "height": 1200, "logicalDpi": %1, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(kLargeFontDpi)
                   .toUtf8());
    file.close();
    const viewertest::ChildRun run = viewertest::RunTestInChild(
        QStringLiteral("PageRectTest.DISABLED_PagesLieBelowTheTabsAtALargeFont"),
        {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config},
         // Fonts grow with the resolution while pixels stay pixels, as with a large system font.
         {QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0")}});
    EXPECT_TRUE(run.bPassed) << run.output.toStdString();
}

}  // namespace
