// A typed edit that no save has stored is never dropped without a question: each of the seven
// ways to leave a file asks "Save changes to FILE?", and Save, Discard and Cancel each do what
// they say. Without an edit only Enter and Escape ask, whether to close the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "RiffWriter.h"
#include "SaveSupport.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"
#include "pages/ChunkPage.h"

namespace {

using testfiles::Bytes;

constexpr int kDescriptionBox = 1009;

enum class Way { Close, Open, Drop, Exit, Escape, Enter, WindowClose };

struct LeaveRow {
    const char* name;
    Way way;
    int answer;  // IDYES: save, IDNO: discard, IDCANCEL: stay
};

class ViewerUnsavedEditsTest : public ::testing::TestWithParam<LeaveRow> {
protected:
    void SetUp() override {
        m_path = dir.file("News.wav");
        viewertest::WriteBroadcastWave(m_path, "Morning news");
        m_original = testfiles::readFile(m_path);
        m_other = dir.file("Other.wav");
        viewertest::WriteBroadcastWave(m_other, "Other news");
        dlg = std::make_unique<CViewerDlg>(m_path);
        ASSERT_TRUE(dlg->Create(130));
        QWidget* pWindow = dlg->GetSafeHwnd();
        pWindow->show();
        pWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pWindow));
    }
    CChunkPage& BextPage() { return *CreatePageOf(dlg->m_pRoot->GetChild(0), dlg.get()); }

    void Drop(const CString& strPath) {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     "file://" + QByteArray::fromStdString(strPath) + "\r\n");
        const QPoint at(5, 5);
        QWidget* pTarget = dlg->GetSafeHwnd();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &drop);
    }

    void Leave(Way way) {
        QWidget* pWindow = dlg->GetSafeHwnd();
        switch (way) {
            case Way::Close:
                static_cast<QPushButton*>(dlg->m_btnClose.GetSafeHwnd())->click();
                break;
            case Way::Open:
                static_cast<QPushButton*>(dlg->m_btnOpen.GetSafeHwnd())->click();
                break;
            case Way::Drop:
                Drop(m_other);
                break;
            case Way::Exit:
                QTest::keySequence(pWindow, QKeySequence(Qt::CTRL | Qt::Key_Q));
                break;
            case Way::Escape:
                QTest::keyClick(pWindow, Qt::Key_Escape);
                break;
            case Way::Enter:
                QTest::keyClick(pWindow, Qt::Key_Return);
                break;
            case Way::WindowClose:
                pWindow->close();
                break;
        }
    }

    // Whether the file was left the way asked: closed, another opened, or the window gone.
    bool HasLeft(Way way) const {
        switch (way) {
            case Way::Close:
                return dlg->m_pRoot == nullptr;
            case Way::Open:
            case Way::Drop:
                return dlg->m_pRoot && dlg->m_pRoot->m_strOpenedPath == m_other;
            default:
                return !dlg->GetSafeHwnd()->isVisible();
        }
    }

    testfiles::TempDir dir;
    viewertest::ScopedMessageBoxRecorder boxes;
    viewertest::ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
    CString m_path;
    CString m_other;
    Bytes m_original;
};

TEST_P(ViewerUnsavedEditsTest, AnEditIsSavedDiscardedOrKeptAsAnswered) {
    const LeaveRow& row = GetParam();
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    ASSERT_TRUE(dlg->HasUnsavedEdits());
    boxes.answer = row.answer;
    viewertest::ScopedFileDialogAnswers open({m_other});
    Leave(row.way);
    ASSERT_EQ(boxes.texts, std::vector<CString>{"Save changes to " + m_path + "?"});
    EXPECT_EQ(HasLeft(row.way), row.answer != IDCANCEL);
    EXPECT_EQ(open.requests.size(), row.way == Way::Open && row.answer != IDCANCEL ? 1u : 0u);
    EXPECT_EQ(testfiles::readFile(m_path) != m_original, row.answer == IDYES);
    if (row.answer == IDCANCEL) {
        EXPECT_EQ(savetest::BoxText(BextPage(), kDescriptionBox), "Evening news");
        EXPECT_TRUE(dlg->HasUnsavedEdits());
    }
}

// Only Enter and Escape, a single key that may be pressed by mistake, ask before closing.
TEST_P(ViewerUnsavedEditsTest, WithoutAnEditOnlyTheKeysAsk) {
    const LeaveRow& row = GetParam();
    const bool bKey = row.way == Way::Enter || row.way == Way::Escape;
    boxes.answer = row.answer == IDCANCEL ? IDCANCEL : IDOK;
    viewertest::ScopedFileDialogAnswers open({m_other});
    Leave(row.way);
    EXPECT_EQ(boxes.texts,
              bKey ? std::vector<CString>{"Close the Ovalis window?"} : std::vector<CString>{});
    EXPECT_EQ(HasLeft(row.way), !bKey || row.answer != IDCANCEL);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
}

// While the question waits for its answer, a drop must neither ask again nor replace the file
// that the answer is about.
TEST_F(ViewerUnsavedEditsTest, ADropWhileTheQuestionIsOpenIsRefused) {
    savetest::SetBoxText(BextPage(), kDescriptionBox, "Evening news");
    boxes.answer = IDNO;
    boxes.onShow = [this] { Drop(m_other); };
    Leave(Way::Close);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(dlg->m_pRoot, nullptr);
    EXPECT_EQ(testfiles::readFile(m_path), m_original);
}

std::vector<LeaveRow> Rows() {
    const std::pair<const char*, Way> ways[] = {
        {"Close", Way::Close},
        {"Open", Way::Open},
        {"Drop", Way::Drop},
        {"Exit", Way::Exit},
        {"Escape", Way::Escape},
        {"Enter", Way::Enter},
        {"WindowClose", Way::WindowClose},
    };
    const std::pair<const char*, int> answers[] = {
        {"Save", IDYES}, {"Discard", IDNO}, {"Cancel", IDCANCEL}};
    static std::vector<std::string> names;
    names.reserve(21);
    std::vector<LeaveRow> rows;
    for (const auto& [pszWay, way] : ways) {
        for (const auto& [pszAnswer, answer] : answers) {
            names.push_back(std::string(pszWay) + pszAnswer);
            rows.push_back({names.back().c_str(), way, answer});
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(SevenWays, ViewerUnsavedEditsTest, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
