#pragma once
// The table of a page whose rows the user edits in place (INFO entries, markers): filled from
// texts, read back as texts. Cells of the columns not named editable are shown only.

#include <functional>
#include <vector>

#include "core/base/Types.h"

class CWnd;
class QTableWidget;

using TableRow = std::vector<CString>;

// The ids of a table page's controls (res/DialogTemplates.cpp).
inline constexpr int IDC_EDIT_TABLE = 1110;
inline constexpr int IDC_TABLE_PICKER = 1111;
inline constexpr int IDC_TABLE_ADD = 1112;
inline constexpr int IDC_TABLE_REMOVE = 1113;

// Shows the table, its buttons and picker, and the details box below them; null when the page
// has no table.
QTableWidget* ShowTableControls(CWnd& page);
// The page's table, or null.
QTableWidget* TableOf(const CWnd& page);
void SetTableColumns(QTableWidget* pTable, const std::vector<CString>& headers);
// Replaces the rows; no change is reported for them.
void FillTable(QTableWidget* pTable, const std::vector<TableRow>& rows,
               const std::vector<int>& editable);
// Adds a row at the end and returns its index; no change is reported for it.
int AppendTableRow(QTableWidget* pTable, const TableRow& row, const std::vector<int>& editable);
// Replaces a cell's text; no change is reported for it.
void SetCellText(QTableWidget* pTable, int nRow, int nColumn, const CString& strText);
// Marks a cell whose text is refused, saying why when the pointer rests on it; an empty reason
// takes the mark away.
void MarkCell(QTableWidget* pTable, int nRow, int nColumn, const CString& strRefused);
CString CellText(const QTableWidget* pTable, int nRow, int nColumn);
TableRow RowTexts(const QTableWidget* pTable, int nRow);
// The selected row, or -1.
int SelectedRow(const QTableWidget* pTable);
// Calls onEdited(row, column) when the user has changed a cell's text.
void OnCellEdited(QTableWidget* pTable, std::function<void(int, int)> onEdited);
