// The main window's save: the save-file dialog, the player letting go of the file, the reload of
// the file the tree came from, the hidden Save button and the Ctrl+S shortcut.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "MmioFaults.h"
#include "RiffWriter.h"
#include "SaveSupport.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "core/io/MmioSeam.h"
#include "framework/DialogTemplate.h"
#include "pages/ChunkPage.h"

namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;
using viewertest::ScopedFakePlayer;
using viewertest::ScopedFileDialogAnswers;
using viewertest::ScopedMessageBoxRecorder;

constexpr int kDescriptionBox = 1009;
// The Overview's line that says how edits are saved.
constexpr int kSaveHint = 1032;

QString QLabelText(const QWidget* pWidget) {
    return static_cast<const QLabel*>(pWidget)->text();
}

class ViewerSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = dir.file("News.wav");
        viewertest::WriteBroadcastWave(m_path, "Morning news", 30000);
        m_original = testfiles::readFile(m_path);
    }
    void Start(const CString& strCommandLine) {
        dlg = std::make_unique<CViewerDlg>(strCommandLine);
        ASSERT_TRUE(dlg->Create(130));
        dlg->GetSafeHwnd()->show();
    }
    CChunkPage& BextPage() { return *CreatePageOf(dlg->m_pRoot->GetChild(0), dlg.get()); }
    void PressCtrlS(Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* pWindow = dlg->GetSafeHwnd();
        pWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pWindow));
        QTest::keyClick(pWindow, Qt::Key_S, modifiers);
    }
    void PressCtrlShiftS() { PressCtrlS(Qt::ControlModifier | Qt::ShiftModifier); }
    // The description that the reloaded tree's page shows.
    std::string ShownDescription() { return savetest::BoxText(BextPage(), kDescriptionBox); }

    testfiles::TempDir dir;
    ScopedMessageBoxRecorder boxes;
    ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
    CString m_path;
    Bytes m_original;
};

TEST_F(ViewerSaveTest, HiddenSaveButtonAsksForANameAndACancelChangesNothing) {
    Start(m_path);
    const CRiffChunk* pRoot = dlg->m_pRoot.get();
    ScopedFileDialogAnswers answers({std::nullopt});
    auto* pButton = static_cast<QPushButton*>(dlg->m_btnSave.GetSafeHwnd());
    EXPECT_TRUE(pButton->isHidden());
    pButton->click();
    ASSERT_EQ(answers.requests.size(), 1u);
    const FileDialogRequest& request = answers.requests[0];
    EXPECT_FALSE(request.bOpenFileDialog);
    EXPECT_EQ(request.strDefExt, "wav");
    EXPECT_EQ(request.strFileName, m_path);
    EXPECT_EQ(request.dwFlags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(request.strFilter, CString());
    EXPECT_EQ(request.strTitle, CString());
    EXPECT_EQ(dlg->m_pRoot.get(), pRoot);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
}

TEST_F(ViewerSaveTest, SaveOverTheShownFileLetsThePlayerGoAndShowsTheSavedValues) {
    Start(m_path);
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    std::vector<Bytes> filesSeen;
    player.control()->onSetPath = [&](const CString&) {
        filesSeen.push_back(testfiles::readFile(m_path));
    };
    player.control()->calls.clear();
    ScopedFileDialogAnswers answers({m_path});
    static_cast<QPushButton*>(dlg->m_btnSave.GetSafeHwnd())->click();
    const std::vector<std::string>& calls = player.control()->calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "GetMediaPath");
    EXPECT_EQ(calls[1], "HaltPlayback");
    EXPECT_EQ(calls[2], "SetMediaPath()");
    EXPECT_EQ(calls.back(), "SetMediaPath(" + m_path + ")");
    ASSERT_GE(filesSeen.size(), 2u);
    EXPECT_EQ(filesSeen.front(), m_original);  // let go before the file was rewritten
    EXPECT_NE(filesSeen.back(), m_original);
    EXPECT_EQ(ShownDescription(), "Evening news");
    EXPECT_EQ(dlg->GetWindowText(), "Ovalis - " + FileTitle(m_path));
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerSaveTest, SaveUnderAnotherNameShowsTheReloadedSource) {
    Start(m_path);
    const auto mtime = fs::last_write_time(m_path);
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    const CString strCopy = dir.file("Copy of News.WAV");
    dlg->SaveFile(strCopy);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
    EXPECT_EQ(fs::last_write_time(m_path), mtime);
    testfiles::BextFields edited;
    edited.description = "Evening news";
    EXPECT_EQ(testfiles::readFile(strCopy), testfiles::BroadcastWave(edited, 30000));
    EXPECT_EQ(dlg->GetWindowText(), "Ovalis - " + FileTitle(m_path));
    EXPECT_EQ(ShownDescription(), "Morning news");
    EXPECT_EQ(player.control()->strPath, m_path);
    EXPECT_EQ(dlg->m_tab.GetItemCount(), 4);
}

TEST_F(ViewerSaveTest, FailedSaveShowsOneMessageAndKeepsTheTreeAndTheTypedText) {
    Start(m_path);
    const CRiffChunk* pRoot = dlg->m_pRoot.get();
    QWidget* pSaveHint = dlg->m_overviewPage.GetDlgItem(kSaveHint)->GetSafeHwnd();
    EXPECT_TRUE(pSaveHint->isHidden());
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    EXPECT_FALSE(pSaveHint->isHidden());
    EXPECT_TRUE(QLabelText(pSaveHint).contains("Ctrl+Shift+S"));
    EXPECT_FALSE(dlg->SaveFile(dir.file("missing folder/News.wav")));
    EXPECT_FALSE(pSaveHint->isHidden());
    EXPECT_EQ(dlg->m_pRoot.get(), pRoot);
    EXPECT_EQ(ShownDescription(), "Evening news");
    EXPECT_TRUE(dlg->HasUnsavedEdits());
    EXPECT_EQ(player.control()->strPath, m_path);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("No such file or directory"), std::string::npos);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
    ASSERT_TRUE(dlg->m_pRoot);
    // The edit is still to be saved, and the title says so.
    EXPECT_EQ(dlg->GetWindowText(), "Ovalis - " + FileTitle(m_path) + " (edited)");
}

// A save that fails after every chunk was written (the rename) leaves a tree that a second
// save writes whole, samples included.
TEST_F(ViewerSaveTest, ASaveAfterAFailedOneWritesTheTypedEdit) {
    Start(m_path);
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    {
        MmioFaultyCalls calls;
        calls.failAt(MmioFaultyCalls::Call::Rename, 1);
        const MmioSystemCallsScope scope(calls);
        EXPECT_FALSE(dlg->SaveFile(m_path));
    }
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
    EXPECT_EQ(ShownDescription(), "Evening news");
    EXPECT_TRUE(dlg->SaveFile(m_path));
    testfiles::BextFields edited;
    edited.description = "Evening news";
    EXPECT_EQ(testfiles::readFile(m_path), testfiles::BroadcastWave(edited, 30000));
}

TEST_F(ViewerSaveTest, CtrlShiftSAsksForANameOnlyWhileAFileIsShown) {
    Start(CString());
    {
        ScopedFileDialogAnswers answers({std::nullopt});
        PressCtrlShiftS();
        EXPECT_TRUE(answers.requests.empty());
    }
    dlg->LoadFile(m_path);
    {
        ScopedFileDialogAnswers answers({dir.file("Copy.wav")});
        PressCtrlShiftS();
        EXPECT_EQ(answers.requests.size(), 1u);
    }
    EXPECT_EQ(testfiles::readFile(dir.file("Copy.wav")), m_original);
    static_cast<QPushButton*>(dlg->m_btnClose.GetSafeHwnd())->click();
    {
        ScopedFileDialogAnswers answers({std::nullopt});
        PressCtrlShiftS();
        EXPECT_TRUE(answers.requests.empty());
    }
}

TEST_F(ViewerSaveTest, CtrlSSavesOverTheLoadedFileWithoutADialog) {
    Start(CString());
    ScopedFileDialogAnswers answers({});
    PressCtrlS();
    dlg->LoadFile(m_path);
    PressCtrlS();
    EXPECT_EQ(testfiles::readFile(m_path), m_original);  // nothing edited: the same bytes
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    PressCtrlS();
    EXPECT_TRUE(answers.requests.empty());
    EXPECT_NE(testfiles::readFile(m_path), m_original);
    EXPECT_EQ(ShownDescription(), "Evening news");
    EXPECT_FALSE(dlg->HasUnsavedEdits());
    EXPECT_TRUE(boxes.texts.empty());
}

// A value the rules refuse is named in one question before the save: Go back saves nothing and
// keeps the typed text; Save as typed stores it as it stands.
TEST_F(ViewerSaveTest, RefusedValueIsAskedAboutAndGoBackSavesNothing) {
    constexpr int kDateBox = 1013;
    Start(m_path);
    savetest::SetBoxText(BextPage(), kDateBox, "2018-02-30");
    boxes.answer = IDCANCEL;
    EXPECT_FALSE(dlg->SaveFile(m_path));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("OriginationDate=2018-02-30: not a calendar date (yyyy-mm-dd)"),
              CString::npos);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
    EXPECT_TRUE(dlg->HasUnsavedEdits());

    boxes.answer = IDOK;
    EXPECT_TRUE(dlg->SaveFile(m_path));
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(savetest::BoxText(BextPage(), kDateBox), "2018-02-30");
}

}  // namespace
