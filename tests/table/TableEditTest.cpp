// Edits in the table give the bytes the same edits give through ovalis-cli set --add.

#include <QFont>
#include <QSignalSpy>
#include <QUndoStack>
#include <filesystem>

#include "cli/FileEdit.h"
#include "table/TableColumns.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

using Edits = std::vector<Assignment>;

// The file as the same edits leave it through the command line's code path.
testfiles::Bytes EditedByCli(int n, const Edits& edits) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, TakeFile(n));
    const EditChoice choice{false, SaveOptions{}, EditRules{.bAdd = true}};
    EXPECT_EQ(EditFile(path, edits, choice), "");
    return testfiles::readFile(path);
}

TEST_F(TableTest, EditsFillDownUndoAndSaveGiveTheBytesOfTheCli) {
    OpenFolder(3);
    FileListModel& model = m_window.Model();
    ASSERT_TRUE(model.setData(model.index(0, ColumnIndexOf("Description")), "Scene 1"));
    Select({0, 1, 2}, "Description");
    m_window.FillDownSelection();
    ASSERT_TRUE(model.setData(model.index(1, ColumnIndexOf("Originator")), "Ann"));
    ASSERT_TRUE(model.setData(model.index(0, ColumnIndexOf("TimeReference")), "01:00:01:00"));
    ASSERT_TRUE(model.setData(model.index(2, ColumnIndexOf("IXML:SCENE")), "12A"));
    ASSERT_TRUE(model.setData(model.index(2, ColumnIndexOf("INFO:INAM")), "Title"));
    m_window.UndoStack().undo();
    EXPECT_EQ(Cell(2, "INFO:INAM").data().toString(), "");
    EXPECT_EQ(Cell(1, "Description").data().toString(), "Scene 1");
    EXPECT_TRUE(Cell(1, "Description").data(Qt::FontRole).value<QFont>().bold());
    SaveAll();

    const std::vector<Edits> cliEdits = {
        {{"Description", "Scene 1"}, {"TimeReference", "01:00:01:00"}},
        {{"Description", "Scene 1"}, {"Originator", "Ann"}},
        {{"Description", "Scene 1"}, {"IXML:SCENE", "12A"}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(testfiles::readFile(model.File(i).strPath), EditedByCli(i, cliEdits[i]))
            << model.File(i).strPath;
        EXPECT_EQ(model.File(i).strResult, "saved");
        EXPECT_FALSE(model.File(i).IsEdited());
    }
    EXPECT_EQ(Cell(0, "TimeReference").data().toString(), "01:00:01:00");
}

struct RefusedCase {
    const char* name;
    const char* value;
};

TEST_F(TableTest, RefusedValuesLeaveTheCellAndSayWhy) {
    OpenFolder(1);
    const RefusedCase cases[] = {{"OriginationDate", "2020-13-45"},
                                 {"OriginationTime", "25:00:00"},
                                 {"UMID", "not hexadecimal"},
                                 {"TimeReference", "01:99:00:00"},
                                 {"INFO:ICRD", "yesterday"}};
    FileListModel& model = m_window.Model();
    for (const RefusedCase& refused : cases) {
        const QModelIndex cell = model.index(0, ColumnIndexOf(refused.name));
        const QString strBefore = cell.data().toString();
        EXPECT_FALSE(model.setData(cell, refused.value)) << refused.name;
        EXPECT_EQ(cell.data().toString(), strBefore) << refused.name;
        EXPECT_FALSE(model.Refusal(0, cell.column()).isEmpty()) << refused.name;
        EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), model.Refusal(0, cell.column()));
    }
    EXPECT_EQ(m_window.UndoStack().count(), 0);
    EXPECT_FALSE(model.HasEdits());
}

TEST_F(TableTest, AFailedSaveKeepsTheEditsAndSaysWhy) {
    OpenFolder(1);
    FileListModel& model = m_window.Model();
    ASSERT_TRUE(model.setData(model.index(0, ColumnIndexOf("Originator")), "Ann"));
    std::filesystem::remove(model.File(0).strPath);
    SaveAll();
    EXPECT_TRUE(model.File(0).IsEdited());
    EXPECT_TRUE(model.File(0).bResultFailed);
    EXPECT_EQ(model.File(0).strResult.rfind("not saved: ", 0), 0U) << model.File(0).strResult;
}

}  // namespace
}  // namespace tabletest

namespace tabletest {
namespace {

TEST_F(TableTest, SavingSomeFilesLeavesTheOthersEditedAndUntouched) {
    OpenFolder(2);
    FileListModel& model = m_window.Model();
    const testfiles::Bytes before = testfiles::readFile(model.File(0).strPath);
    ASSERT_TRUE(model.setData(model.index(0, ColumnIndexOf("Originator")), "Ann"));
    ASSERT_TRUE(model.setData(model.index(1, ColumnIndexOf("Originator")), "Bob"));
    QSignalSpy finished(&m_window.Saver(), &SaveRunner::Finished);
    m_window.Saver().Save({1});
    ASSERT_TRUE(finished.count() > 0 || finished.wait(20000));
    EXPECT_EQ(testfiles::readFile(model.File(0).strPath), before);
    EXPECT_TRUE(model.File(0).IsEdited("Originator"));
    EXPECT_FALSE(model.File(1).IsEdited());
    EXPECT_EQ(testfiles::readFile(model.File(1).strPath), EditedByCli(1, {{"Originator", "Bob"}}));
}

}  // namespace
}  // namespace tabletest
