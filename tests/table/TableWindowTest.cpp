// The window's rows, filter, remembered columns, check and question before edits are lost.

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>

#include "RiffWriter.h"
#include "table/CheckRunner.h"
#include "table/TableColumns.h"
#include "table/TableFilter.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

// Lists three files, the last of which does not load, and edits the first.
class TableRowsTest : public TableTest {
protected:
    void SetUp() override { OpenFolderWithBrokenFile(2); }
};

struct FilterCase {
    RowFilter rows;
    const char* text;
    int nShown;
};

TEST_F(TableRowsTest, TheFilterKeepsTextErrorsOrEditedRows) {
    ASSERT_EQ(m_window.Model().rowCount(), 3);
    ASSERT_TRUE(m_window.Model().setData(m_window.Model().index(0, ColumnIndexOf("Originator")),
                                         "Zebedee"));
    EXPECT_FALSE(m_window.Model().flags(m_window.Model().index(2, ColumnIndexOf("Originator"))) &
                 Qt::ItemIsEditable);
    const FilterCase cases[] = {{RowFilter::All, "", 3},        {RowFilter::All, "take 1", 1},
                                {RowFilter::All, "ZEBEDEE", 1}, {RowFilter::HasErrors, "", 1},
                                {RowFilter::Edited, "", 1},     {RowFilter::Edited, "take 1", 0},
                                {RowFilter::All, "no such", 0}};
    TableFilter filter;
    filter.setSourceModel(&m_window.Model());
    for (const FilterCase& row : cases) {
        filter.SetRows(row.rows);
        filter.SetText(row.text);
        EXPECT_EQ(filter.rowCount(), row.nShown) << row.text;
    }
}

TEST_F(TableRowsTest, UndoAndRedoTakeBackAndMakeAnAddedChunk) {
    FileListModel& model = m_window.Model();
    const QModelIndex title = model.index(1, ColumnIndexOf("INFO:INAM"));
    ASSERT_TRUE(model.setData(title, "Night"));
    m_window.UndoStack().undo();
    EXPECT_EQ(title.data().toString(), "");
    EXPECT_FALSE(model.HasEdits());
    m_window.UndoStack().redo();
    EXPECT_EQ(title.data().toString(), "Night");
    EXPECT_TRUE(model.File(1).IsEdited("INFO:INAM"));
}

TEST_F(TableRowsTest, TheCheckMarksTheFilesWithErrors) {
    QSignalSpy finished(&m_window.Checker(), &CheckRunner::Finished);
    m_window.Checker().Check({0, 2});
    ASSERT_TRUE(finished.wait(20000));
    const FileListModel& model = m_window.Model();
    EXPECT_FALSE(model.File(0).bCheckFailed) << model.File(0).strCheckDetail;
    EXPECT_TRUE(model.File(2).bCheckFailed);
    EXPECT_NE(model.File(2).strCheck.find("error"), CString::npos) << model.File(2).strCheck;
    EXPECT_EQ(model.File(1).strCheck, "");
}

TEST(TableMd5Test, TheColumnSaysHowTheStoredMd5Compares) {
    const Finding mismatch{Severity::Error, "md5-mismatch", "MD5 ", 0, "differs."};
    const struct {
        std::vector<Finding> findings;
        CString strCancelled;
        bool bStored;
        const char* expected;
    } rows[] = {{{}, "", true, "agrees"},
                {{mismatch}, "", true, "differs"},
                {{}, "", false, "none stored"},
                {{}, "cancelled", true, ""}};
    for (const auto& row : rows) {
        const CheckReport report{row.findings, row.strCancelled};
        EXPECT_EQ(Md5Outcome(report, row.bStored), row.expected) << row.expected;
    }
}

TEST_F(TableRowsTest, UnsavedEditsAreNotLostWithoutAQuestion) {
    ASSERT_TRUE(
        m_window.Model().setData(m_window.Model().index(0, ColumnIndexOf("Originator")), "Ann"));
    bool bAsked = false;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&bAsked, &answer] {
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            bAsked = true;
            answer.stop();
            pBox->button(QMessageBox::Cancel)->click();
        }
    });
    answer.start();
    QCloseEvent event;
    QApplication::sendEvent(&m_window, &event);
    EXPECT_TRUE(bAsked);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_TRUE(m_window.Model().HasEdits());
}

TEST(TableSettingsTest, TheSizeAndTheColumnsChosenAndMovedAreRemembered) {
    testfiles::TempDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config.path()));
    const int nTake = ColumnIndexOf("IXML:TAKE");
    const int nCart = ColumnIndexOf("Title");
    {
        TableWindow window;
        QHeaderView& header = *window.View().horizontalHeader();
        EXPECT_TRUE(header.isSectionHidden(nCart));
        header.setSectionHidden(nCart, false);
        header.setSectionHidden(nTake, true);
        header.moveSection(header.visualIndex(nCart), 0);
        window.resize(640, 480);
        window.close();
    }
    TableWindow window;
    const QHeaderView& header = *window.View().horizontalHeader();
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_FALSE(header.isSectionHidden(nCart));
    EXPECT_TRUE(header.isSectionHidden(nTake));
    EXPECT_EQ(header.logicalIndex(0), nCart);
}

}  // namespace
}  // namespace tabletest
