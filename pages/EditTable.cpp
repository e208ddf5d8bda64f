#include "pages/EditTable.h"

#include <QBrush>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>

#include "framework/Wnd.h"
#include "pages/ChunkDetailsView.h"

namespace {

// Pixels between the buttons and the details box, and the least height the box keeps.
constexpr int kBelowButtons = 6;
constexpr int kLowestDetails = 60;
// Pixels a row is taller than its text.
constexpr int kCellMargin = 6;

QTableWidgetItem* NewCell(const CString& strText, bool bEditable) {
    auto* pItem = new QTableWidgetItem(QString::fromStdString(strText));
    if (!bEditable) {
        pItem->setFlags(pItem->flags() & ~Qt::ItemIsEditable);
    }
    return pItem;
}

void PutRow(QTableWidget* pTable, int nRow, const TableRow& row, const std::vector<int>& editable) {
    for (int nColumn = 0; nColumn < static_cast<int>(row.size()); ++nColumn) {
        const bool bEditable =
            std::find(editable.begin(), editable.end(), nColumn) != editable.end();
        pTable->setItem(nRow, nColumn, NewCell(row[nColumn], bEditable));
    }
}

// Every column as wide as its texts but the last, which takes the rest.
void FitColumns(QTableWidget* pTable) {
    for (int nColumn = 0; nColumn + 1 < pTable->columnCount(); ++nColumn) {
        pTable->resizeColumnToContents(nColumn);
    }
}

}  // namespace

QTableWidget* TableOf(const CWnd& page) {
    const CWnd* pControl = page.GetDlgItem(IDC_EDIT_TABLE);
    return pControl ? qobject_cast<QTableWidget*>(pControl->GetSafeHwnd()) : nullptr;
}

QTableWidget* ShowTableControls(CWnd& page) {
    for (const int nID : {IDC_EDIT_TABLE, IDC_TABLE_PICKER, IDC_TABLE_ADD, IDC_TABLE_REMOVE}) {
        if (CWnd* pControl = page.GetDlgItem(nID)) {
            pControl->ShowWindow(SW_SHOW);
        }
    }
    const CWnd* pButton = page.GetDlgItem(IDC_TABLE_ADD);
    const CWnd* pDetails = page.GetDlgItem(IDC_CHUNK_DETAILS);
    if (pButton && pDetails) {
        QWidget* pBox = pDetails->GetSafeHwnd();
        const int nTop = pButton->GetSafeHwnd()->geometry().bottom() + kBelowButtons;
        pBox->setGeometry(pBox->x(), nTop, pBox->width(),
                          std::max(pBox->geometry().bottom() - nTop, kLowestDetails));
    }
    return TableOf(page);
}

void SetTableColumns(QTableWidget* pTable, const std::vector<CString>& headers) {
    QStringList labels;
    for (const CString& strHeader : headers) {
        labels << QString::fromStdString(strHeader);
    }
    pTable->setColumnCount(static_cast<int>(labels.size()));
    pTable->setHorizontalHeaderLabels(labels);
}

void FillTable(QTableWidget* pTable, const std::vector<TableRow>& rows,
               const std::vector<int>& editable) {
    const QSignalBlocker blocker(pTable);
    pTable->verticalHeader()->setDefaultSectionSize(pTable->fontMetrics().height() + kCellMargin);
    pTable->setRowCount(static_cast<int>(rows.size()));
    for (int nRow = 0; nRow < static_cast<int>(rows.size()); ++nRow) {
        PutRow(pTable, nRow, rows[nRow], editable);
    }
    FitColumns(pTable);
}

int AppendTableRow(QTableWidget* pTable, const TableRow& row, const std::vector<int>& editable) {
    const QSignalBlocker blocker(pTable);
    const int nRow = pTable->rowCount();
    pTable->insertRow(nRow);
    PutRow(pTable, nRow, row, editable);
    FitColumns(pTable);
    return nRow;
}

void SetCellText(QTableWidget* pTable, int nRow, int nColumn, const CString& strText) {
    const QSignalBlocker blocker(pTable);
    if (QTableWidgetItem* pItem = pTable->item(nRow, nColumn)) {
        pItem->setText(QString::fromStdString(strText));
    }
}

void MarkCell(QTableWidget* pTable, int nRow, int nColumn, const CString& strRefused) {
    const QSignalBlocker blocker(pTable);
    if (QTableWidgetItem* pItem = pTable->item(nRow, nColumn)) {
        pItem->setToolTip(QString::fromStdString(strRefused));
        pItem->setForeground(strRefused.empty() ? pTable->palette().text() : QBrush(Qt::red));
    }
}

CString CellText(const QTableWidget* pTable, int nRow, int nColumn) {
    const QTableWidgetItem* pItem = pTable->item(nRow, nColumn);
    return pItem ? pItem->text().toStdString() : CString();
}

TableRow RowTexts(const QTableWidget* pTable, int nRow) {
    TableRow row;
    for (int nColumn = 0; nColumn < pTable->columnCount(); ++nColumn) {
        row.push_back(CellText(pTable, nRow, nColumn));
    }
    return row;
}

int SelectedRow(const QTableWidget* pTable) {
    const QList<QTableWidgetItem*> selected = pTable->selectedItems();
    return selected.isEmpty() ? pTable->currentRow() : selected.front()->row();
}

void OnCellEdited(QTableWidget* pTable, std::function<void(int, int)> onEdited) {
    QObject::connect(pTable, &QTableWidget::itemChanged, pTable,
                     [onEdited = std::move(onEdited)](QTableWidgetItem* pItem) {
                         onEdited(pItem->row(), pItem->column());
                     });
}
