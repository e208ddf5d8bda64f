// The Check dialog's writes: Enter closes it, and each write shows what it will store and asks;
// Cancel leaves the file as it was, OK stores exactly the values shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "RiffWriter.h"
#include "ViewerTestSupport.h"
#include "app/CheckDialog.h"
#include "app/ViewerDlg.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/fields/BextFields.h"
#include "core/integrity/BextLoudness.h"
#include "framework/DialogTemplate.h"

namespace {

// Presses the named button of the Check dialog once it is up, while the timer lives.
void PressInCheckDialog(QTimer& timer, const QString& strButton) {
    QObject::connect(&timer, &QTimer::timeout, [&timer, strButton] {
        auto* pDialog = dynamic_cast<CCheckDialog*>(QApplication::activeModalWidget());
        if (!pDialog) {
            return;
        }
        timer.stop();
        for (QPushButton* pButton : pDialog->findChildren<QPushButton*>()) {
            if (pButton->text() == strButton) {
                pButton->click();
            }
        }
    });
    timer.start(10);
}

}  // namespace

TEST(CheckWritesTest, EnterClosesTheDialogWithoutWriting) {
    CCheckDialog dialog(nullptr, "a.wav", CheckReport{}, {Md5Digest{}, ""}, std::nullopt);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Chosen(), CCheckDialog::Choice::Close);
}

TEST(CheckWritesTest, WriteLoudnessShowsTheValuesAndWritesThemOnlyOnOk) {
    const struct {
        const char* name;
        int answer;
    } rows[] = {{"cancel", IDCANCEL}, {"ok", IDOK}};
    for (const auto& row : rows) {
        testfiles::TempDir dir;
        const CString strPath = dir.file("Tone.wav");
        viewertest::WriteBroadcastWave(strPath, "Tone", 400000);
        const testfiles::Bytes original = testfiles::readFile(strPath);
        viewertest::ScopedFakePlayer player;
        viewertest::ScopedMessageBoxRecorder boxes;
        boxes.answer = row.answer;
        CViewerDlg dlg(strPath);
        ASSERT_TRUE(dlg.Create(130));
        QTimer timer;
        PressInCheckDialog(timer, "&Write loudness");
        dlg.m_overviewPage.m_onCheck();
        ASSERT_EQ(boxes.texts.size(), 1u) << row.name;
        const CString& strShown = boxes.texts[0];
        if (row.answer == IDCANCEL) {
            EXPECT_EQ(testfiles::readFile(strPath), original) << row.name;
            continue;
        }
        CRiffChunkModel saved;
        ASSERT_TRUE(saved.Load(strPath));
        const CChunk& bext = *BextChunkOf(saved);
        for (const char* pszField : {"LoudnessValue", "LoudnessRange", "MaxTruePeakLevel",
                                     "MaxMomentaryLoudness", "MaxShortTermLoudness"}) {
            const CString strLine =
                CString("\n") + pszField + ": " + *ReadFieldText(bext, *kBextFields.Find(pszField));
            EXPECT_NE(strShown.find(strLine), CString::npos) << strLine << " in " << strShown;
        }
        EXPECT_NE(strShown.find("Version: 0 becomes 2"), CString::npos) << strShown;
        EXPECT_EQ(ReadNumber(bext, *kBextFields.Find("Version")), 2u);
    }
}
