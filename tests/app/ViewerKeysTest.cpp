// The main window's keys: Ctrl+O, Ctrl+W and Ctrl+Q do what their buttons do, in both states, F1
// shows the About box, and the open dialog offers the Broadcast Wave and all-files filters.

#include <gtest/gtest.h>

#include <QDialog>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "TestFiles.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"
#include "framework/AboutBox.h"
#include "framework/DialogTemplate.h"
#include "framework/FileDialog.h"

namespace {

using testfiles::TempDir;
using viewertest::ScopedFakePlayer;
using viewertest::ScopedFileDialogAnswers;
using viewertest::ScopedMessageBoxRecorder;

enum class State { Empty, FileShown };

struct Outcome {
    bool bFileShown;
    bool bRunEnded;
    std::size_t nDialogs;  // open dialogs asked for
};

struct ShortcutCase {
    const char* name;
    State state;
    QKeySequence keys;
    Outcome outcome;
};

class ViewerShortcutTest : public ::testing::TestWithParam<ShortcutCase> {
protected:
    void Start(State state) {
        m_strFile = dir.file("a.wav");
        viewertest::WriteBroadcastWave(m_strFile, "Morning news");
        m_strOther = dir.file("b.wav");
        viewertest::WriteBroadcastWave(m_strOther, "Evening news");
        dlg = std::make_unique<CViewerDlg>(state == State::FileShown ? m_strFile : CString());
        ASSERT_TRUE(dlg->Create(130));
        QWidget* pWindow = dlg->GetSafeHwnd();
        pWindow->show();
        pWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pWindow));
    }
    void Press(const QKeySequence& keys) { QTest::keySequence(dlg->GetSafeHwnd(), keys); }

    TempDir dir;
    ScopedMessageBoxRecorder boxes;
    ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
    CString m_strFile;
    CString m_strOther;
};

TEST_P(ViewerShortcutTest, DoesWhatItsButtonDoes) {
    Start(GetParam().state);
    // The open dialog answers with the other file.
    ScopedFileDialogAnswers open({m_strOther});
    Press(GetParam().keys);
    const Outcome& expected = GetParam().outcome;
    auto* pWindow = static_cast<QDialog*>(dlg->GetSafeHwnd());
    EXPECT_EQ(open.requests.size(), expected.nDialogs);
    EXPECT_EQ(!pWindow->isVisible(), expected.bRunEnded);
    if (expected.bRunEnded) {
        EXPECT_EQ(pWindow->result(), IDCANCEL);
    }
    EXPECT_EQ(dlg->m_pRoot != nullptr, expected.bFileShown);
    if (expected.nDialogs > 0) {
        EXPECT_EQ(dlg->m_pRoot->m_strOpenedPath, m_strOther);
    }
    EXPECT_TRUE(boxes.texts.empty());
}

const QKeySequence kOpen(Qt::CTRL | Qt::Key_O);
const QKeySequence kClose(Qt::CTRL | Qt::Key_W);
const QKeySequence kExit(Qt::CTRL | Qt::Key_Q);

INSTANTIATE_TEST_SUITE_P(
    Keys, ViewerShortcutTest,
    ::testing::Values(ShortcutCase{"OpenWhenEmpty", State::Empty, kOpen, {true, false, 1}},
                      ShortcutCase{"OpenOverAFile", State::FileShown, kOpen, {true, false, 1}},
                      // Close is disabled with no file: its key does nothing either.
                      ShortcutCase{"CloseWhenEmpty", State::Empty, kClose, {false, false, 0}},
                      ShortcutCase{"CloseAFile", State::FileShown, kClose, {false, false, 0}},
                      ShortcutCase{"ExitWhenEmpty", State::Empty, kExit, {false, true, 0}},
                      ShortcutCase{"ExitWithAFile", State::FileShown, kExit, {true, true, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewerShortcutTest, CloseKeyLeavesTheEmptyState) {
    Start(State::FileShown);
    Press(kClose);
    EXPECT_EQ(dlg->m_tab.GetItemText(0), "empty");
    EXPECT_EQ(player.control()->strPath, CString());
}

TEST_F(ViewerShortcutTest, F1ShowsTheAboutBox) {
    std::vector<std::pair<CString, CString>> shown;
    const AboutBoxHook previous =
        SetAboutBoxHook([&](const CString& strTitle, const CString& strText) {
            shown.emplace_back(strTitle, strText);
        });
    Start(State::Empty);
    Press(QKeySequence(Qt::Key_F1));
    SetAboutBoxHook(previous);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].first, "About Ovalis");
    const QString text = QString::fromStdString(shown[0].second);
    for (const char* part :
         {"Ovalis 1.06", "Licence: MIT", "Qt 6.", "GStreamer 1.", "man ovalis", "Ctrl+O: ",
          "Ctrl+S: ", "Ctrl+Shift+S: ", "Ctrl+W: ", "Ctrl+Q, Escape, Enter: ", "F1: "}) {
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part << " in\n" << text.toStdString();
    }
    EXPECT_TRUE(dlg->GetSafeHwnd()->isVisible());
}

bool Matches(const QString& filter, const QString& name) {
    const QString patterns = filter.section(QLatin1Char('('), -1).chopped(1);
    for (const QString& pattern : patterns.split(QLatin1Char(' '))) {
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(pattern));
        if (expression.match(name).hasMatch()) {
            return true;
        }
    }
    return false;
}

TEST_F(ViewerShortcutTest, TheOpenDialogOffersBroadcastWaveAndAllFiles) {
    Start(State::Empty);
    ScopedFileDialogAnswers open({std::nullopt});
    Press(kOpen);
    ASSERT_EQ(open.requests.size(), 1U);
    const QStringList filters = NameFiltersFromFilterText(open.requests[0].strFilter);
    ASSERT_EQ(filters.size(), 3);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("Files (*.wav; *.mp2; *.mpg; *.snd;) (")));
    EXPECT_TRUE(
        filters[1].startsWith(QStringLiteral("Broadcast Wave (*.wav *.bwf *.rf64 *.bw64) (")));
    EXPECT_TRUE(filters[2].startsWith(QStringLiteral("All files (*) (")));
    struct Row {
        const char* name;
        bool bFiles, bBroadcast, bAll;
    };
    for (const Row& row : {Row{"take1.wav", true, true, true}, Row{"TAKE1.BWF", false, true, true},
                           Row{"long.Rf64", false, true, true}, Row{"long.BW64", false, true, true},
                           Row{"clip.mp2", true, false, true}, Row{"notes", false, false, true}}) {
        const QString name = QString::fromUtf8(row.name);
        EXPECT_EQ(Matches(filters[0], name), row.bFiles) << row.name;
        EXPECT_EQ(Matches(filters[1], name), row.bBroadcast) << row.name;
        EXPECT_EQ(Matches(filters[2], name), row.bAll) << row.name;
    }
}

}  // namespace
