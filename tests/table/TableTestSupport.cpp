#include "table/TableTestSupport.h"

#include <QAbstractProxyModel>
#include <QSignalSpy>
#include <QTableView>
#include <cstdio>

#include "RiffWriter.h"
#include "table/TableColumns.h"

namespace tabletest {

testfiles::Bytes TakeFile(int n) {
    testfiles::BextFields fields;
    fields.description = "take " + std::to_string(n);
    fields.originator = "recorder";
    fields.originationDate = "2020-01-02";
    fields.originationTime = "10:00:00";
    fields.timeReferenceLow = 48000U * 3600U;
    fields.version = 1;
    return testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(2, 48000, 24)},
                                {"bext", testfiles::BextPayload(fields)},
                                {"data", testfiles::Bytes(60, static_cast<std::uint8_t>(n))}});
}

void TableTest::OpenFolder(int nCount) {
    WriteFiles(nCount);
    LoadFolder(nCount);
}

void TableTest::OpenFolderWithBrokenFile(int nCount) {
    testfiles::Bytes broken = TakeFile(9);
    broken[3] = 'X';
    testfiles::writeFile(m_dir.file("zz-broken.wav"), broken);
    OpenFolder(nCount);
}

void TableTest::WriteFiles(int nCount) {
    for (int i = 0; i < nCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "take%03d.wav", i);
        testfiles::writeFile(m_dir.file(name), TakeFile(i));
    }
}

void TableTest::LoadFolder(int nCount) {
    QSignalSpy loaded(&m_window, &TableWindow::LoadFinished);
    m_window.Open({QString::fromStdString(m_dir.path())});
    ASSERT_TRUE(loaded.wait(20000));
    ASSERT_GE(m_window.Model().rowCount(), nCount);
}

QModelIndex TableTest::Cell(int nRow, const CString& strName) {
    const auto& proxy = static_cast<const QAbstractProxyModel&>(*m_window.View().model());
    return proxy.mapFromSource(m_window.Model().index(nRow, ColumnIndexOf(strName)));
}

void TableTest::Select(const std::vector<int>& rows, const CString& strName) {
    QItemSelectionModel& selection = *m_window.View().selectionModel();
    selection.clearSelection();
    for (const int nRow : rows) {
        selection.select(Cell(nRow, strName), QItemSelectionModel::Select);
    }
}

void TableTest::SaveAll() {
    QSignalSpy finished(&m_window.Saver(), &SaveRunner::Finished);
    m_window.SaveAll();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(20000));
}

}  // namespace tabletest
