// The main window worked from the keyboard, with unsaved edits in sight: Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgDn and Ctrl+PgUp change tabs, the arrows on the focused strip move the page with the
// highlight, Tab walks the page's editable fields in reading order; the title and the edited
// tab carry a mark until a save, which says so and leaves the tab shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <memory>

#include "SaveSupport.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/TabControlWidget.h"
#include "pages/ChunkPage.h"

namespace {

using viewertest::ScopedFakePlayer;
using viewertest::ScopedMessageBoxRecorder;

constexpr int kDescriptionBox = 1009;
constexpr int kOriginatorBox = 1011;
constexpr int kStatusLine = 1023;
// The file's tabs: Overview, bext, fmt, data.
constexpr int kTabs = 4;

class ViewerTabKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = dir.file("News.wav");
        viewertest::WriteBroadcastWave(m_path, "Morning news");
        dlg = std::make_unique<CViewerDlg>(m_path);
        ASSERT_TRUE(dlg->Create(130));
        QWidget* pWindow = dlg->GetSafeHwnd();
        pWindow->show();
        pWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pWindow));
        ASSERT_EQ(dlg->m_tab.GetItemCount(), kTabs);
    }

    QTabBar* Bar() const {
        return static_cast<TabControlWidget*>(dlg->m_tab.GetSafeHwnd())->TabBar();
    }
    CChunkPage& PageOfChunk(int nChunk) const {
        return *CreatePageOf(dlg->m_pRoot->GetChild(nChunk), dlg.get());
    }
    // The tab whose page is shown: -1 when none is, or more than one.
    int ShownPage() const {
        std::vector<int> shown;
        if (dlg->m_overviewPage.IsWindowVisible()) {
            shown.push_back(0);
        }
        for (int nChunk = 0; nChunk < dlg->m_pRoot->GetCount(); ++nChunk) {
            if (PageOfChunk(nChunk).IsWindowVisible()) {
                shown.push_back(nChunk + 1);
            }
        }
        return shown.size() == 1 ? shown[0] : -1;
    }
    void ExpectStripAndPageAgree(int nTab) const {
        EXPECT_EQ(dlg->m_tab.GetCurSel(), nTab);
        EXPECT_EQ(ShownPage(), nTab);
    }
    void Select(int nTab) {
        dlg->m_tab.SetCurSel(nTab);
        ExpectStripAndPageAgree(nTab);
    }
    CString Status() const { return dlg->GetDlgItem(kStatusLine)->GetWindowText(); }

    testfiles::TempDir dir;
    ScopedMessageBoxRecorder boxes;
    ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
    CString m_path;
};

struct StepRow {
    const char* name;
    QKeyCombination keys;
    int nFrom;
    int nTo;
};

class ViewerTabStepTest : public ViewerTabKeysTest,
                          public ::testing::WithParamInterface<StepRow> {};

TEST_P(ViewerTabStepTest, ChangesTheTabAndItsPage) {
    Select(GetParam().nFrom);
    QTest::keySequence(dlg->GetSafeHwnd(), QKeySequence(GetParam().keys));
    ExpectStripAndPageAgree(GetParam().nTo);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ViewerTabStepTest,
    ::testing::Values(StepRow{"CtrlTab", Qt::CTRL | Qt::Key_Tab, 0, 1},
                      StepRow{"CtrlTabRoundTheEnd", Qt::CTRL | Qt::Key_Tab, kTabs - 1, 0},
                      StepRow{"CtrlPageDown", Qt::CTRL | Qt::Key_PageDown, 1, 2},
                      StepRow{"CtrlShiftTab", Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, 2, 1},
                      StepRow{"CtrlShiftTabRoundTheStart", Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, 0,
                              kTabs - 1},
                      StepRow{"CtrlPageUp", Qt::CTRL | Qt::Key_PageUp, 3, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewerTabKeysTest, TheArrowsOnTheStripMoveThePageWithTheHighlight) {
    Bar()->setFocus();
    for (const auto& [key, nTab] :
         {std::pair(Qt::Key_Right, 1), std::pair(Qt::Key_Right, 2), std::pair(Qt::Key_Left, 1)}) {
        QTest::keyClick(Bar(), key);
        ExpectStripAndPageAgree(nTab);
    }
}

TEST_F(ViewerTabKeysTest, TabWalksTheEditableFieldsInReadingOrder) {
    Select(1);
    Bar()->setFocus();
    QWidget* pPage = PageOfChunk(0).GetSafeHwnd();
    QWidget* pFirst = PageOfChunk(0).GetDlgItem(kDescriptionBox)->GetSafeHwnd();
    struct Stop {
        QWidget* pWidget;
        int nDown;  // below the first field, however the page is scrolled
        bool bInView;
    };
    std::vector<Stop> stops;
    QWidget* pAfter = nullptr;
    for (int i = 0; i < 40 && !pAfter; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* pFocus = QApplication::focusWidget();
        if (!pPage->isAncestorOf(pFocus)) {
            pAfter = pFocus;
            continue;
        }
        const int nY = pFocus->mapTo(pPage, QPoint(0, 0)).y();
        stops.push_back({pFocus, nY - pFirst->mapTo(pPage, QPoint(0, 0)).y(),
                         nY >= 0 && nY + pFocus->height() <= pPage->height()});
    }
    ASSERT_GE(stops.size(), 3U);
    EXPECT_EQ(stops[0].pWidget, pFirst);
    EXPECT_EQ(stops[1].pWidget, PageOfChunk(0).GetDlgItem(kOriginatorBox)->GetSafeHwnd());
    int nLastDown = -1;
    for (const Stop& stop : stops) {
        auto* pLine = qobject_cast<QLineEdit*>(stop.pWidget);
        auto* pText = qobject_cast<QPlainTextEdit*>(stop.pWidget);
        EXPECT_FALSE((pLine && pLine->isReadOnly()) || (pText && pText->isReadOnly()));
        EXPECT_GE(stop.nDown, nLastDown);
        nLastDown = stop.nDown;
        // Reached by Tab, the field is in view, below the fold too.
        EXPECT_TRUE(stop.bInView) << stop.nDown;
    }
    // Generate, beside the UMID below the page's first height, is among them.
    QWidget* pGenerate = PageOfChunk(0).GetDlgItem(1057)->GetSafeHwnd();
    EXPECT_TRUE(std::any_of(stops.begin(), stops.end(),
                            [pGenerate](const Stop& stop) { return stop.pWidget == pGenerate; }));
    // From the page's last field, to the window's buttons.
    EXPECT_EQ(pAfter, dlg->m_btnOpen.GetSafeHwnd());
}

TEST_F(ViewerTabKeysTest, TheEditedMarkComesWithAnEditAndGoesWithTheSave) {
    const CString strTitle = dlg->GetWindowText();
    EXPECT_EQ(strTitle.find("(edited)"), CString::npos);
    Select(1);
    savetest::SetBoxText(PageOfChunk(0), kDescriptionBox, "Evening news");
    EXPECT_EQ(dlg->GetWindowText(), strTitle + " (edited)");
    for (int nTab = 0; nTab < kTabs; ++nTab) {
        EXPECT_EQ(dlg->m_tab.IsItemMarked(nTab), nTab == 1) << nTab;
    }
    // The tab's name stays as it was.
    EXPECT_EQ(dlg->m_tab.GetItemText(1), "bext");
    savetest::SetBoxText(PageOfChunk(0), kDescriptionBox, "Morning news");
    EXPECT_FALSE(dlg->m_tab.IsItemMarked(1));
    EXPECT_EQ(dlg->GetWindowText(), strTitle);

    savetest::SetBoxText(PageOfChunk(0), kDescriptionBox, "Evening news");
    QTest::keySequence(dlg->GetSafeHwnd(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(dlg->GetWindowText(), strTitle);
    EXPECT_FALSE(dlg->m_tab.IsItemMarked(1));
    EXPECT_EQ(Status(), "Saved News.wav");
    ExpectStripAndPageAgree(1);
    EXPECT_EQ(savetest::BoxText(PageOfChunk(0), kDescriptionBox), "Evening news");
    // The next edit takes the confirmation back.
    savetest::SetBoxText(PageOfChunk(0), kDescriptionBox, "Late news");
    EXPECT_EQ(Status(), "");
}

TEST_F(ViewerTabKeysTest, TheSaveHintIsNeverCut) {
    savetest::SetBoxText(PageOfChunk(0), kDescriptionBox, "Evening news");
    Select(0);
    auto* pHint = qobject_cast<QLabel*>(dlg->m_overviewPage.GetDlgItem(1032)->GetSafeHwnd());
    ASSERT_NE(pHint, nullptr);
    ASSERT_TRUE(pHint->isVisible());
    EXPECT_GE(pHint->height(), pHint->heightForWidth(pHint->width()));
    const QRect inPage(pHint->mapTo(dlg->m_overviewPage.GetSafeHwnd(), QPoint(0, 0)),
                       pHint->size());
    EXPECT_TRUE(dlg->m_overviewPage.GetSafeHwnd()->rect().contains(inPage));
}

}  // namespace
