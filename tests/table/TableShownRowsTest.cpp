// What the window says of the rows it shows: the count of shown of all, the actions on the rows
// a filter leaves, the format and the failed load of a row, and the step Undo takes back.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>

#include "RiffWriter.h"
#include "table/TableColumns.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

// Lists three takes and a file that does not load.
class TableShownRowsTest : public TableTest {
protected:
    void SetUp() override { OpenFolderWithBrokenFile(3); }

    void Filter(const QString& strText) { m_window.findChild<QLineEdit*>()->setText(strText); }

    QString Action(const QString& strStart) {
        for (const QAction* pAction : m_window.menuBar()->findChildren<QAction*>()) {
            if (pAction->text().startsWith(strStart)) {
                return pAction->text();
            }
        }
        return QString();
    }

    void CheckAndWait(void (TableWindow::*check)()) {
        QSignalSpy finished(&m_window.Checker(), &CheckRunner::Finished);
        (m_window.*check)();
        ASSERT_TRUE(finished.wait(20000));
    }

    int Checked() {
        int nChecked = 0;
        for (int nRow = 0; nRow < m_window.Model().rowCount(); ++nRow) {
            nChecked += m_window.Model().File(nRow).strCheck.empty() ? 0 : 1;
        }
        return nChecked;
    }
};

TEST_F(TableShownRowsTest, TheStatusBarCountsTheRowsShownOfAll) {
    const struct {
        const char* filter;
        const char* count;
    } rows[] = {{"", "4 files"},
                {"take 1", "1 of 4 files"},
                {"take", "3 of 4 files"},
                {"no such", "0 of 4 files"},
                {"", "4 files"}};
    for (const auto& row : rows) {
        Filter(row.filter);
        EXPECT_EQ(m_window.findChild<QLabel*>("fileCount")->text(), row.count) << row.filter;
    }
}

TEST_F(TableShownRowsTest, ActionsOnTheFilteredRowsSaySo) {
    Filter("take 1");
    EXPECT_EQ(Action("&Export CSV"), "&Export CSV of the 1 file shown...");
    EXPECT_EQ(Action("Export &JSON"), "Export &JSON of the 1 file shown...");
    EXPECT_EQ(Action("Check the"), "Check the 1 file shown");

    const QString strCsv = QString::fromStdString(m_dir.file("shown.csv"));
    m_window.ExportTo(strCsv, false);
    EXPECT_TRUE(m_window.statusBar()->currentMessage().contains("3 hidden by the filter"))
        << m_window.statusBar()->currentMessage().toStdString();
    QFile csv(strCsv);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 2);  // the heading and the one row shown

    CheckAndWait(&TableWindow::CheckShown);
    EXPECT_TRUE(m_window.statusBar()->currentMessage().contains("the 1 file shown (3 hidden"));
    EXPECT_EQ(Checked(), 1);
    CheckAndWait(&TableWindow::CheckAll);
    EXPECT_EQ(Checked(), 4);

    Filter("");
    EXPECT_EQ(Action("&Export CSV"), "&Export CSV...");
}

TEST_F(TableShownRowsTest, AFailedRowSaysWhyWholeAndNoMd5State) {
    const FileListModel& model = m_window.Model();
    const int nBroken = model.RowOf(m_dir.file("zz-broken.wav"));
    ASSERT_GE(nBroken, 0);
    const CString strFailure = model.File(nBroken).strFailure;
    ASSERT_FALSE(strFailure.empty());
    EXPECT_EQ(model.index(nBroken, ColumnIndexOf("MD5")).data().toString(), "");
    for (const char* pColumn : {"Result", "File"}) {
        const QString strTip =
            model.index(nBroken, ColumnIndexOf(pColumn)).data(Qt::ToolTipRole).toString();
        EXPECT_TRUE(strTip.contains(QString::fromStdString(strFailure).toHtmlEscaped()))
            << pColumn << ": " << strTip.toStdString();
    }
    EXPECT_EQ(model.index(0, ColumnIndexOf("MD5")).data().toString(), "none stored");
}

TEST_F(TableShownRowsTest, UndoNamesTheStepItTakesBack) {
    FileListModel& model = m_window.Model();
    const int nFirst = model.RowOf(m_dir.file("take000.wav"));
    ASSERT_TRUE(model.setData(model.index(nFirst, ColumnIndexOf("Originator")), "Ann"));
    EXPECT_EQ(Action("&Undo"), "&Undo Edit: Originator of take000.wav");
    Select({0, 1, 2}, "Originator");
    m_window.FillDownSelection();
    EXPECT_EQ(Action("&Undo"), "&Undo Fill down: Originator of 2 files");
    for (QAction* pAction : m_window.menuBar()->findChildren<QAction*>()) {
        if (pAction->text().startsWith("&Undo")) {
            pAction->trigger();
            break;
        }
    }
    EXPECT_EQ(m_window.statusBar()->currentMessage(), "Undone: Fill down: Originator of 2 files");
}

TEST(TableFormatTest, TheFormatColumnSaysChannelsRateAndBits) {
    const struct {
        testfiles::Bytes format;
        const char* text;
    } rows[] = {{testfiles::PcmFormat(2, 48000, 24), "PCM, channels 2 (stereo), 48000 Hz, 24 bits"},
                {testfiles::PcmFormat(1, 44100, 16), "PCM, channels 1 (mono), 44100 Hz, 16 bits"},
                {testfiles::PcmFormat(6, 96000, 32), "PCM, channels 6, 96000 Hz, 32 bits"}};
    testfiles::TempDir dir;
    for (const auto& row : rows) {
        const CString strPath = dir.file("format.wav");
        testfiles::writeFile(strPath, testfiles::WaveFile({{"fmt ", row.format},
                                                           {"data", testfiles::Bytes(48, 0)}}));
        EXPECT_EQ(LoadTableFile(strPath)->strFormat, row.text);
    }
}

}  // namespace
}  // namespace tabletest
