// Files dropped on the main window open wherever they land, the welcome page included, and keep
// the bytes of their names on the way to the tree and the player.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <memory>

#include "TestFiles.h"
#include "ViewerTestSupport.h"
#include "app/ViewerDlg.h"

namespace {

using testfiles::TempDir;

class ViewerDropTest : public ::testing::Test {
protected:
    void Start() {
        dlg = std::make_unique<CViewerDlg>(CString());
        ASSERT_TRUE(dlg->Create(130));
        dlg->GetSafeHwnd()->show();
    }
    // Drops one file as a file manager offers it: its address, percent-encoded byte by byte.
    static void Drop(const CString& strPath, QWidget* pTarget) {
        QMimeData data;
        data.setData(
            QStringLiteral("text/uri-list"),
            "file://" + QByteArray::fromStdString(strPath).toPercentEncoding("/") + "\r\n");
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(pTarget, &drop);
    }

    TempDir dir;
    viewertest::ScopedMessageBoxRecorder boxes;
    viewertest::ScopedFakePlayer player;
    std::unique_ptr<CViewerDlg> dlg;
};

TEST_F(ViewerDropTest, AFileDroppedOnTheWelcomePageOpens) {
    const CString strPath = dir.file("news.wav");
    viewertest::WriteBroadcastWave(strPath, "Morning news");
    Start();
    ASSERT_TRUE(dlg->m_welcomePage.IsWindowVisible());
    Drop(strPath, dlg->m_welcomePage.GetSafeHwnd());
    ASSERT_TRUE(dlg->m_pRoot);
    EXPECT_EQ(dlg->m_tab.GetItemText(0), "Overview");
    EXPECT_EQ(player.control()->strPath, strPath);
}

TEST_F(ViewerDropTest, ANameThatIsNotUtf8KeepsItsBytes) {
    // Latin-1 "café.wav": the byte 0xE9 alone is no UTF-8.
    const CString strPath = dir.file("caf\xE9.wav");
    viewertest::WriteBroadcastWave(strPath, "Morning news");
    Start();
    Drop(strPath, dlg->m_welcomePage.GetSafeHwnd());
    ASSERT_TRUE(dlg->m_pRoot);
    EXPECT_EQ(dlg->m_pRoot->m_strOpenedPath, strPath);
    EXPECT_EQ(player.control()->strPath, strPath);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(ViewerDropTest, TheWelcomeTextKeepsItsWords) {
    Start();
    const QList<QLabel*> labels = dlg->m_welcomePage.GetSafeHwnd()->findChildren<QLabel*>();
    QStringList texts;
    for (const QLabel* pLabel : labels) {
        texts += pLabel->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "\n\nOpen a file with the Open... button.\nYou can also drag'n-drop a file on the \n"
        "caption of this window.")));
}

}  // namespace
