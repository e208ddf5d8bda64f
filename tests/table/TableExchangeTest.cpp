// The table's exports are those of ovalis-cli export, edits pending included; an import makes
// edits of the files listed, as one undo step.

#include <QUndoStack>
#include <numeric>

#include "cli/CliRunner.h"
#include "table/TableColumns.h"
#include "table/TableExchange.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

std::vector<int> Rows(int nCount) {
    std::vector<int> rows(static_cast<std::size_t>(nCount));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

std::vector<std::string> Paths(const FileListModel& model) {
    std::vector<std::string> paths;
    for (int i = 0; i < model.rowCount(); ++i) {
        paths.push_back(model.File(i).strPath);
    }
    return paths;
}

TEST_F(TableTest, ExportsAreThoseOfTheCliOnceSaved) {
    OpenFolder(2);
    FileListModel& model = m_window.Model();
    ASSERT_TRUE(model.setData(model.index(1, ColumnIndexOf("IXML:SCENE")), "12A"));
    ASSERT_TRUE(model.setData(model.index(0, ColumnIndexOf("INFO:INAM")), "News, \"late\""));
    const CString strJson = TableJson(model, Rows(2));
    const CString strCsv = TableCsv(model, Rows(2));
    SaveAll();
    std::vector<std::string> jsonArgs{"export", "--json"};
    std::vector<std::string> csvArgs{"export", "--csv"};
    for (const std::string& strPath : Paths(model)) {
        jsonArgs.push_back(strPath);
        csvArgs.push_back(strPath);
    }
    EXPECT_EQ(strJson, clitest::RunCli(jsonArgs).out);
    const CString strCliCsv = clitest::RunCli(csvArgs).out;
    // The table's CSV lists its own columns: every value the files hold is in both.
    EXPECT_NE(strCsv.find("News, \"\"late\"\""), CString::npos) << strCsv;
    EXPECT_NE(strCliCsv.find("News, \"\"late\"\""), CString::npos) << strCliCsv;
}

struct ImportCase {
    const char* document;
    int nChanges;
    int nUnlisted;
    const char* error;  // a part of it, or empty
};

TEST_F(TableTest, ImportsBecomeEditsOfTheListedFiles) {
    OpenFolder(1);
    const CString strPath = m_window.Model().File(0).strPath;
    const CString strJsonFile = "{\"files\": [{\"path\": \"" + strPath +
                                "\", \"values\": {\"Originator\": \"Ann\", \"IXML:TAKE\": \"4\", "
                                "\"Description\": \"\", \"NoSuchValue\": \"x\"}}]}";
    const CString strCsv =
        "path,Originator,INFO:INAM\r\n" + strPath + ",Bob,Night\r\n/x.wav,A,B\r\n";
    const ImportCase cases[] = {
        {strJsonFile.c_str(), 2, 0, ""},
        {strCsv.c_str(), 2, 1, ""},
        {"{\"files\": 3}", 0, 0, "not a JSON document"},
        {"Originator\r\nAnn\r\n", 0, 0, "\"path\""},
        {"path,Originator\r\n/x.wav\r\n", 0, 0, "line 2: 1 cells"},
    };
    for (const ImportCase& row : cases) {
        const ImportedEdits edits = ImportedEditsOf(m_window.Model(), row.document);
        EXPECT_EQ(static_cast<int>(edits.changes.size()), row.nChanges) << row.document;
        EXPECT_EQ(edits.nUnlisted, row.nUnlisted) << row.document;
        EXPECT_NE(edits.strError.find(row.error), CString::npos) << edits.strError;
    }
    m_window.Model().Edit(ImportedEditsOf(m_window.Model(), strCsv).changes, "import");
    EXPECT_EQ(Cell(0, "INFO:INAM").data().toString(), "Night");
    m_window.UndoStack().undo();
    EXPECT_EQ(Cell(0, "Originator").data().toString(), "recorder");
}

}  // namespace
}  // namespace tabletest
