// The main window with a recording player: its two states, opening, closing and dropping files,
// the tabs, the title and the keys that end its run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "RiffWriter.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/TabControlWidget.h"
#include "pages/ChunkPage.h"

namespace {

using testfiles::TempDir;
using viewertest::ScopedFakePlayer;
using viewertest::ScopedFileDialogAnswers;
using viewertest::ScopedMessageBoxRecorder;
using Texts = std::vector<CString>;

constexpr const char* kEmptyTitle = "Ovalis - version 1.06";

class ViewerDlgTest : public ::testing::Test {
protected:
    CString WriteWave(const std::string& name, const std::string& description = "Morning news") {
        const CString strPath = dir.file(name);
        viewertest::WriteBroadcastWave(strPath, description);
        return strPath;
    }

    CViewerDlg& Start(const CString& strCommandLine) {
        dlg = std::make_unique<CViewerDlg>(strCommandLine);
        EXPECT_TRUE(dlg->Create(130));
        dlg->GetSafeHwnd()->show();
        return *dlg;
    }

    QTabBar* Bar() const {
        return static_cast<TabControlWidget*>(dlg->m_tab.GetSafeHwnd())->TabBar();
    }
    Texts Tabs() const {
        Texts tabs;
        for (int i = 0; i < dlg->m_tab.GetItemCount(); ++i) {
            tabs.push_back(dlg->m_tab.GetItemText(i));
        }
        return tabs;
    }
    CString Title() const { return dlg->GetWindowText(); }
    CChunkPage* Page(int nChunk) const {
        return CreatePageOf(dlg->m_pRoot->GetChild(nChunk), dlg.get());
    }
    void ClickTab(int nIndex) {
        QTest::mouseClick(Bar(), Qt::LeftButton, {}, Bar()->tabRect(nIndex).center());
    }
    // Drops the files on pTarget, as the window manager delivers a drop.
    void Drop(const std::vector<CString>& files, QWidget* pTarget) {
        QList<QUrl> urls;
        for (const CString& file : files) {
            urls += QUrl::fromLocalFile(QString::fromStdString(file));
        }
        QMimeData data;
        data.setUrls(urls);
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &drop);
    }
    void ExpectEmptyState() {
        EXPECT_EQ(Tabs(), Texts({"empty"}));
        EXPECT_EQ(Title(), kEmptyTitle);
        EXPECT_TRUE(dlg->m_welcomePage.IsWindowVisible());
        EXPECT_FALSE(dlg->m_overviewPage.IsWindowVisible());
        EXPECT_FALSE(dlg->m_btnSave.IsWindowEnabled());
        EXPECT_FALSE(dlg->m_btnClose.IsWindowEnabled());
    }
    void ExpectFileShown(const CString& strPath) {
        ASSERT_TRUE(dlg->m_pRoot);
        EXPECT_EQ(Tabs(), Texts({"Overview", "bext", "fmt ", "data"}));
        EXPECT_EQ(Title(), "Ovalis - " + FileTitle(strPath));
        EXPECT_FALSE(dlg->m_welcomePage.IsWindowVisible());
        EXPECT_TRUE(dlg->m_overviewPage.IsWindowVisible());
        EXPECT_TRUE(dlg->m_btnSave.IsWindowEnabled());
        EXPECT_TRUE(dlg->m_btnClose.IsWindowEnabled());
        EXPECT_EQ(player.control()->strPath, strPath);
    }

    TempDir dir;
    ScopedMessageBoxRecorder boxes;
    ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
};

TEST_F(ViewerDlgTest, StartsEmptyWithoutACommandLine) {
    Start(CString());
    ExpectEmptyState();
    EXPECT_TRUE(dlg->m_btnSave.GetSafeHwnd()->isHidden());
    EXPECT_TRUE(dlg->m_btnNew.GetSafeHwnd()->isHidden());
    EXPECT_FALSE(dlg->m_btnNew.IsWindowEnabled());
    EXPECT_TRUE(dlg->m_btnOpen.IsWindowEnabled());
    // Every page lies over the tab control's display area.
    const QRect area = dlg->m_welcomePage.GetSafeHwnd()->geometry();
    EXPECT_EQ(area, QRect(dlg->m_rcPage.left, dlg->m_rcPage.top, dlg->m_rcPage.Width(),
                          dlg->m_rcPage.Height()));
    EXPECT_EQ(dlg->m_welcomePage.GetSafeHwnd()->parentWidget(), dlg->GetSafeHwnd());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerDlgTest, ShowsTheFileNamedOnTheCommandLine) {
    const CString strPath = WriteWave("News.wav");
    Start(strPath);
    ExpectFileShown(strPath);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Page(i)->IsWindowVisible());
        EXPECT_EQ(Page(i)->GetSafeHwnd()->parentWidget(), dlg->GetSafeHwnd());
    }
    const QString info =
        static_cast<QLabel*>(dlg->m_overviewPage.GetDlgItem(1028)->GetSafeHwnd())->text();
    EXPECT_TRUE(info.contains(QStringLiteral("Morning news"))) << info.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerDlgTest, AQuotedCommandLineIsTakenWithItsQuotesAndStartsEmpty) {
    const CString strPath = WriteWave("quoted.wav");
    Start("\"" + strPath + "\"");
    ExpectEmptyState();
    EXPECT_FALSE(dlg->m_pRoot);
}

TEST_F(ViewerDlgTest, ASecondFileHaltsThePlayerOnceThenGetsThePathAsOpened) {
    const CString strFirst = WriteWave("First.wav");
    const CString strSecond = WriteWave("Second.WAV");
    Start(strFirst);
    player.control()->calls.clear();
    dlg->LoadFile(strSecond);
    EXPECT_EQ(player.control()->calls,
              std::vector<std::string>({"GetMediaPath", "HaltPlayback", "SetMediaPath()",
                                        "GetMediaPath", "SetMediaPath(" + strSecond + ")"}));
    ExpectFileShown(strSecond);
}

TEST_F(ViewerDlgTest, AFailedOpenWhileAFileIsShownEndsEmpty) {
    Start(WriteWave("a.wav"));
    dlg->LoadFile(dir.file("missing.wav"));
    ExpectEmptyState();
    EXPECT_FALSE(dlg->m_pRoot);
    EXPECT_EQ(player.control()->strPath, CString());
    EXPECT_TRUE(boxes.texts.empty());
}

// A failed open shows no message box: the welcome page says why, under its text, until the next
// file opens.
TEST_F(ViewerDlgTest, TheWelcomePageSaysWhyTheLastFileDidNotOpen) {
    const struct {
        const char* name;
        testfiles::Bytes bytes;
        const char* reason;
    } rows[] = {
        {"text.wav", testfiles::ByteBuilder().text("hello there, no wave"), "not a RIFF WAVE file"},
        {"rifx.wav", testfiles::ByteBuilder().text("RIFX").le32(0).text("WAVE"), "big-endian RIFX"},
        {"tagged.wav", testfiles::ByteBuilder().text("ID3").zeros(9), "ID3 tag"},
        {"empty.wav", {}, "empty file"},
    };
    Start(WriteWave("good.wav"));
    CWnd* pLine = dlg->m_welcomePage.GetDlgItem(1001);
    CWnd* pPath = dlg->m_welcomePage.GetDlgItem(1002);
    ASSERT_NE(pLine, nullptr);
    ASSERT_NE(pPath, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CString strPath = dir.file(row.name);
        testfiles::writeFile(strPath, row.bytes);
        dlg->LoadFile(strPath);
        ExpectEmptyState();
        EXPECT_EQ(pPath->GetWindowText(), strPath);
        EXPECT_NE(pLine->GetWindowText().find(row.reason), CString::npos) << pLine->GetWindowText();
        // Read as an error: said so, in red and bold.
        EXPECT_EQ(pLine->GetWindowText().rfind("Not opened: ", 0), 0U);
        const QWidget* pShown = pLine->GetSafeHwnd();
        EXPECT_GT(pShown->palette().color(QPalette::WindowText).red(), 150);
        EXPECT_TRUE(pShown->font().bold());
    }
    dlg->LoadFile(dir.file("missing.wav"));
    EXPECT_NE(pLine->GetWindowText().find("no such file"), CString::npos);
    dlg->LoadFile(dir.file("good.wav"));
    EXPECT_EQ(pLine->GetWindowText(), "");
    EXPECT_EQ(pPath->GetWindowText(), "");
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ViewerDlgTest, ATabClickShowsThatPageAndHidesTheOthers) {
    Start(WriteWave("a.wav"));
    ClickTab(2);
    EXPECT_EQ(dlg->m_nCurTab, 2);
    EXPECT_FALSE(dlg->m_overviewPage.IsWindowVisible());
    EXPECT_FALSE(Page(0)->IsWindowVisible());
    EXPECT_TRUE(Page(1)->IsWindowVisible());
    EXPECT_FALSE(Page(2)->IsWindowVisible());
    ClickTab(0);
    EXPECT_TRUE(dlg->m_overviewPage.IsWindowVisible());
    EXPECT_FALSE(Page(1)->IsWindowVisible());
}

TEST_F(ViewerDlgTest, ClickingTheSelectedTabDoesNothing) {
    Start(WriteWave("a.wav"));
    Page(2)->ShowWindow(SW_SHOW);
    ClickTab(0);
    EXPECT_TRUE(Page(2)->IsWindowVisible());
    EXPECT_EQ(dlg->m_nCurTab, 0);
}

// The strip and the page never disagree: a selection made from the keyboard shows its page.
TEST_F(ViewerDlgTest, ASelectionMadeFromTheKeyboardShowsItsPage) {
    Start(WriteWave("a.wav"));
    Bar()->setCurrentIndex(1);
    EXPECT_TRUE(Page(0)->IsWindowVisible());
    EXPECT_FALSE(dlg->m_overviewPage.IsWindowVisible());
    ClickTab(1);
    EXPECT_TRUE(Page(0)->IsWindowVisible());
}

TEST_F(ViewerDlgTest, ThreeDroppedFilesOpenTheFirst) {
    const CString strFirst = WriteWave("first.wav", "first");
    Start(CString());
    Drop({strFirst, WriteWave("second.wav", "second"), WriteWave("third.wav", "third")},
         dlg->m_tab.GetSafeHwnd());
    ExpectFileShown(strFirst);
}

TEST_F(ViewerDlgTest, ALongDroppedPathIsTakenWhole) {
    std::filesystem::path deep(dir.path());
    for (int i = 0; i < 6; ++i) {
        deep /= std::string(30, static_cast<char>('a' + i));
    }
    std::filesystem::create_directories(deep);
    const CString strLong = (deep / "long.wav").string();
    ASSERT_GT(strLong.size(), 200U);
    viewertest::WriteBroadcastWave(strLong, "long");
    Start(WriteWave("short.wav"));
    Drop({strLong}, dlg->GetSafeHwnd());
    ExpectFileShown(strLong);
}

TEST_F(ViewerDlgTest, AFileDroppedOnTheWelcomePageOrAnEditBoxOpens) {
    const CString strFirst = WriteWave("first.wav");
    Start(CString());
    Drop({strFirst}, dlg->m_welcomePage.GetSafeHwnd());
    ExpectFileShown(strFirst);
    // The bext page's description box would take a dropped file as text.
    QWidget* pEdit = Page(0)->GetDlgItem(1009)->GetSafeHwnd();
    const QString before = pEdit->property("plainText").toString();
    const CString strSecond = WriteWave("second.wav", "second");
    Drop({strSecond}, pEdit);
    ExpectFileShown(strSecond);
}

TEST_F(ViewerDlgTest, OpenAsksForAudioFilesAndLoadsTheChoice) {
    const CString strPath = WriteWave("chosen.wav");
    Start(CString());
    ScopedFileDialogAnswers answers({std::nullopt, strPath});
    QTest::mouseClick(dlg->m_btnOpen.GetSafeHwnd(), Qt::LeftButton);
    ExpectEmptyState();
    ASSERT_EQ(answers.requests.size(), 1U);
    const FileDialogRequest& request = answers.requests[0];
    EXPECT_TRUE(request.bOpenFileDialog);
    EXPECT_EQ(request.strTitle, "Open audio file");
    EXPECT_EQ(request.strFilter,
              "Files (*.wav; *.mp2; *.mpg; *.snd;)|*.wav; *.mp2; *.mpg; *.snd;|"
              "Broadcast Wave (*.wav *.bwf *.rf64 *.bw64)|*.wav;*.bwf;*.rf64;*.bw64|"
              "All files (*)|*||");
    QTest::mouseClick(dlg->m_btnOpen.GetSafeHwnd(), Qt::LeftButton);
    ExpectFileShown(strPath);
}

TEST_F(ViewerDlgTest, CloseReturnsToTheEmptyStateAndFreesThePlayer) {
    Start(WriteWave("a.wav"));
    const QString info =
        static_cast<QLabel*>(dlg->m_overviewPage.GetDlgItem(1028)->GetSafeHwnd())->text();
    QTest::mouseClick(dlg->m_btnClose.GetSafeHwnd(), Qt::LeftButton);
    ExpectEmptyState();
    EXPECT_FALSE(dlg->m_pRoot);
    EXPECT_EQ(player.control()->strPath, CString());
    EXPECT_EQ(static_cast<QLabel*>(dlg->m_overviewPage.GetDlgItem(1028)->GetSafeHwnd())->text(),
              info);
}

TEST_F(ViewerDlgTest, ADropOrCloseWhileAMessageBoxIsUpLeavesTheTreeAlone) {
    const CString strFirst = WriteWave("first.wav");
    const CString strSecond = WriteWave("second.wav");
    Start(CString());
    // A box comes up while the new file's tabs are being built; meanwhile the user drops
    // another file and presses Close.
    player.control()->onSetPath = [](const CString& strPath) {
        if (!strPath.empty()) {
            AfxMessageBox("The player is busy.");
        }
    };
    boxes.onShow = [&] {
        boxes.onShow = nullptr;
        Drop({strSecond}, dlg->GetSafeHwnd());
        QTest::mouseClick(dlg->m_btnClose.GetSafeHwnd(), Qt::LeftButton);
    };
    dlg->LoadFile(strFirst);
    EXPECT_EQ(boxes.texts, Texts({"The player is busy."}));
    ASSERT_TRUE(dlg->m_pRoot);
    EXPECT_EQ(dlg->m_pRoot->m_strOpenedPath, strFirst);
    ExpectFileShown(strFirst);
}

// The player says on the Overview that it cannot play; no box stops the user looking at the file.
TEST_F(ViewerDlgTest, ThePlayersErrorStaysOnTheOverview) {
    Start(WriteWave("a.wav"));
    player.control()->RaiseError(1, "Cannot open the file a.wav.");
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(dlg->m_overviewPage.m_strPlayerProblem, "Cannot open the file a.wav.");
    EXPECT_EQ(player.control()->toolTip().toStdString(), "Cannot open the file a.wav.");
}

TEST_F(ViewerDlgTest, WithoutAPlayerFilesOpenAndTheHintIsShown) {
    ScopedFakePlayer missing(false);
    const CString strPath = WriteWave("a.wav");
    Start(strPath);
    EXPECT_EQ(Tabs(), Texts({"Overview", "bext", "fmt ", "data"}));
    EXPECT_FALSE(dlg->m_overviewPage.m_bPlayer);
    EXPECT_TRUE(dlg->m_overviewPage.m_stcInstallHint.IsWindowVisible());
    QTest::mouseClick(dlg->m_btnClose.GetSafeHwnd(), Qt::LeftButton);
    ExpectEmptyState();
    EXPECT_EQ(missing.created(), 0);
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    int nResult;
};

class ViewerDlgKeyTest : public ViewerDlgTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ViewerDlgKeyTest, EndsTheRunFromTheTabControlOnceAsked) {
    Start(WriteWave("a.wav"));
    auto* pWindow = static_cast<QDialog*>(dlg->GetSafeHwnd());
    Bar()->setFocus();
    QTest::keyClick(Bar(), GetParam().key);
    EXPECT_EQ(boxes.texts, Texts({"Close the Ovalis window?"}));
    EXPECT_FALSE(pWindow->isVisible());
    EXPECT_EQ(pWindow->result(), GetParam().nResult);
}

INSTANTIATE_TEST_SUITE_P(Keys, ViewerDlgKeyTest,
                         ::testing::Values(KeyCase{"Enter", Qt::Key_Return, 1},
                                           KeyCase{"Escape", Qt::Key_Escape, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewerDlgTest, EnterOnAFocusedButtonPressesIt) {
    Start(WriteWave("a.wav"));
    dlg->m_btnClose.SetFocus();
    QTest::keyClick(dlg->m_btnClose.GetSafeHwnd(), Qt::Key_Return);
    EXPECT_TRUE(dlg->GetSafeHwnd()->isVisible());
    ExpectEmptyState();
}

struct TitleCase {
    CString path;
    CString title;
};

class FileTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(FileTitleTest, ShortensPathsLongerThan42Characters) {
    EXPECT_EQ(FileTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileTitleTest,
    ::testing::Values(TitleCase{"/a.wav", "/a.wav"},
                      TitleCase{"/recordings/radio/1997/news/bulletin01.wav",
                                "/recordings/radio/1997/news/bulletin01.wav"},
                      TitleCase{"/recordings/radio/1997/news/bulletin012.wav",
                                "/recor...gs/radio/1997/news/bulletin012.wav"},
                      TitleCase{"C:\\recordings\\radio\\1997\\news\\morning\\bulletin01.wav",
                                "C:\\rec...o\\1997\\news\\morning\\bulletin01.wav"},
                      // Cut by characters: a cut never splits one.
                      TitleCase{"/\xc3\xa9" + CString(50, 'x') + ".wav",
                                "/\xc3\xa9xxxx..." + CString(30, 'x') + ".wav"}));

}  // namespace

namespace {

// The welcome picture keeps to its place above the frame of text, whatever the font.
TEST_F(ViewerDlgTest, TheWelcomePictureStaysAboveItsText) {
    Start(CString());
    QWidget* pPage = dlg->m_welcomePage.GetSafeHwnd();
    const QLabel* pPicture = nullptr;
    const QLabel* pFrame = nullptr;
    for (const QLabel* pLabel : pPage->findChildren<QLabel*>()) {
        if (!pLabel->pixmap().isNull()) {
            pPicture = pLabel;
        } else if (pLabel->frameShape() != QFrame::NoFrame) {
            pFrame = pLabel;
        }
    }
    ASSERT_NE(pPicture, nullptr);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_FALSE(pPicture->geometry().intersects(pFrame->geometry()));
    EXPECT_GT(pPicture->height(), 0);
}

}  // namespace
