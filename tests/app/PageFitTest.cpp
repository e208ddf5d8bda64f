// Every page of every tab fits its tab at the scale factors people use, or scrolls to what does
// not, and no label is cut without its whole text as a tooltip. Each scale factor runs in a
// process of its own, as Qt reads it once at the start; files of OVALIS_REAL_FILES join the
// files made here.

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "ChildProcess.h"
#include "RiffWriter.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/ElidedLabel.h"
#include "framework/Wnd.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

Bytes ManyKindsFile() {
    testfiles::BextFields bext;
    bext.description = std::string(250, 'd');
    bext.codingHistory = "A=MPEG1L2,F=48000,B=256,M=stereo,T=a long coding history line\r\n";
    bext.version = 2;
    const Bytes cue =
        ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(48000);
    const Bytes list = ByteBuilder().text("INFO").text("INAM").le32(6).text("Title").zeros(1);
    const Bytes ixml = ByteBuilder().text(
        "<BWFXML><PROJECT>A project of a long name</PROJECT>"
        "<NOTE>" +
        std::string(300, 'n') + "</NOTE></BWFXML>");
    const Bytes mext = ByteBuilder().le16(7).le16(768).le16(0).le16(0).zeros(4);
    return testfiles::WaveFile({{"fmt ", testfiles::MpegFormat()},
                                {"fact", ByteBuilder().le32(48000)},
                                {"bext", testfiles::BextPayload(bext)},
                                {"mext", mext},
                                {"LIST", list},
                                {"cue ", cue},
                                {"iXML", ixml},
                                {"cart", testfiles::CartPayload({.title = std::string(64, 't')})},
                                {"smpl", testfiles::SamplerPayload(60, {{1, 0, 0, 1152, 0, 0}})},
                                {"inst", Bytes{60, 0, 0, 0, 127, 1, 127}},
                                {"abcd", Bytes(300, 0x41)},
                                {"data", Bytes(1152, 0)}});
}

std::vector<std::string> FilesToShow(const testfiles::TempDir& dir) {
    std::vector<std::string> paths = {dir.file("broadcast.wav"), dir.file("kinds.wav")};
    testfiles::BextFields bext;
    bext.description = "Morning news";
    testfiles::writeFile(paths[0], testfiles::BroadcastWave(bext, 4000));
    testfiles::writeFile(paths[1], ManyKindsFile());
    if (const char* pszReal = std::getenv("OVALIS_REAL_FILES")) {
        for (const QString& name : QDir(pszReal).entryList({"*.wav", "*.WAV"}, QDir::Files)) {
            paths.push_back(std::string(pszReal) + "/" + name.toStdString());
        }
    }
    return paths;
}

bool Scrolls(const QWidget* pPage, Qt::Orientation orientation) {
    for (const QScrollBar* pBar : pPage->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
        if (pBar->orientation() == orientation && pBar->isVisible()) {
            return true;
        }
    }
    return false;
}

std::string Named(const QWidget* pWidget) {
    const QLabel* pLabel = qobject_cast<const QLabel*>(pWidget);
    return std::string(pWidget->metaObject()->className()) + " " +
           pWidget->property(kControlIdProperty).toString().toStdString() + " '" +
           (pLabel ? pLabel->text().left(40).toStdString() : std::string()) + "'";
}

// Cut: a one-line text wider than its label, or wrapped lines taller than it.
bool IsCut(const QLabel* pLabel) {
    const QString text = pLabel->text();
    if (text.isEmpty() || !pLabel->pixmap().isNull()) {
        return false;
    }
    const QRect area = pLabel->contentsRect();
    if (pLabel->wordWrap()) {
        return pLabel->heightForWidth(pLabel->width()) > pLabel->height();
    }
    int nWidest = 0;
    for (const QString& line : text.split('\n')) {
        nWidest = std::max(nWidest, pLabel->fontMetrics().horizontalAdvance(line));
    }
    return nWidest > area.width();
}

bool InsideScrollArea(const QWidget* pWidget) {
    for (const QWidget* p = pWidget->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(p)) {
            return true;
        }
    }
    return false;
}

void ExpectPageFits(QWidget* pPage, const std::string& where) {
    const QRect area = pPage->rect();
    const bool bDown = Scrolls(pPage, Qt::Vertical);
    const bool bAcross = Scrolls(pPage, Qt::Horizontal);
    for (QWidget* pChild : pPage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!pChild->isVisible()) {
            continue;
        }
        const QRect placed = pChild->geometry();
        EXPECT_TRUE(bAcross || (placed.left() >= 0 && placed.right() <= area.right()))
            << where << ": " << Named(pChild) << " reaches x " << placed.right() << " of "
            << area.right();
        EXPECT_TRUE(bDown || (placed.top() >= 0 && placed.bottom() <= area.bottom()))
            << where << ": " << Named(pChild) << " reaches y " << placed.bottom() << " of "
            << area.bottom();
    }
    // A box that scrolls lies whole inside its page: its text and its scroll bars are never
    // beyond the page's edge, where only the page's own scrolling would reach them.
    for (const QAbstractScrollArea* pArea : pPage->findChildren<QAbstractScrollArea*>()) {
        if (pArea->isVisible()) {
            const QRect placed(pArea->mapTo(pPage, QPoint(0, 0)), pArea->size());
            EXPECT_LE(placed.right(), area.right())
                << where << ": " << Named(pArea) << " reaches past the page's right edge";
        }
    }
    for (const QLabel* pLabel : pPage->findChildren<QLabel*>()) {
        if (!pLabel->isVisible() || InsideScrollArea(pLabel) || !pLabel->toolTip().isEmpty()) {
            continue;
        }
        const auto* pElided = qobject_cast<const ElidedLabel*>(pLabel);
        const bool bCut = pElided ? pElided->text() != pElided->FullText() : IsCut(pLabel);
        EXPECT_FALSE(bCut) << where << ": " << Named(pLabel) << " is cut without a tooltip";
    }
}

// The page that the window shows now: the one placed where pages go.
QWidget* ShownPage(const CViewerDlg& dlg) {
    const QPoint corner(dlg.m_rcPage.left, dlg.m_rcPage.top);
    for (QWidget* pChild : dlg.GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (pChild->isVisible() && pChild->pos() == corner) {
            return pChild;
        }
    }
    return nullptr;
}

void ExpectEveryPageFits(CViewerDlg& dlg, const std::string& strFile) {
    const QRect tab = dlg.m_tab.GetSafeHwnd()->geometry();
    for (int nTab = 0; nTab < dlg.m_tab.GetItemCount(); ++nTab) {
        dlg.ShowPage(nTab);
        QTest::qWait(1);
        const std::string where = strFile + " tab " + dlg.m_tab.GetItemText(nTab);
        QWidget* pPage = ShownPage(dlg);
        ASSERT_NE(pPage, nullptr) << where;
        EXPECT_TRUE(tab.contains(pPage->geometry())) << where << " lies outside its tab";
        ExpectPageFits(pPage, where);
    }
}

TEST(PageFitTest, DISABLED_EveryPageFitsItsTab) {
    testfiles::TempDir dir;
    viewertest::ScopedFakePlayer player;
    viewertest::ScopedMessageBoxRecorder boxes;
    CViewerDlg dlg{CString()};
    ASSERT_TRUE(dlg.Create(130));
    dlg.GetSafeHwnd()->show();
    dlg.LoadFile(dir.path() + "/" + std::string(12, 'f') + "/a folder of a long name/" +
                 std::string(80, 'n') + ".wav");
    ExpectEveryPageFits(dlg, "a failed open");
    for (const std::string& path : FilesToShow(dir)) {
        dlg.LoadFile(path);
        // With the hint that an edit shows, which is never cut either.
        dlg.m_overviewPage.ShowSaveHint(true);
        ExpectEveryPageFits(dlg, path);
    }
}

// On a screen of 1280 by 1024 pixels, where at scale 2 the window is taller than the screen.
TEST(PageFitTest, EveryPageFitsItsTabAtEachScaleFactor) {
    testfiles::TempDir dir;
    const std::string config = dir.file("screen.json");
    testfiles::writeFile(config, ByteBuilder().text(R"({"screens": [{"name": "s", "x": 0, "y": 0,
        "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
    for (const char* pszScale : {"1", "1.5", "2"}) {
        const viewertest::ChildRun run = viewertest::RunTestInChild(
            QStringLiteral("PageFitTest.DISABLED_EveryPageFitsItsTab"),
            {{QStringLiteral("QT_QPA_PLATFORM"),
              QStringLiteral("offscreen:configfile=") + QString::fromStdString(config)},
             {QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(pszScale)}});
        EXPECT_TRUE(run.bPassed) << "scale " << pszScale << "\n" << run.output.toStdString();
    }
}

}  // namespace
