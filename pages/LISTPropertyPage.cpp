#include "pages/LISTPropertyPage.h"

#include <QComboBox>
#include <QTableWidget>
#include <algorithm>

#include "core/chunks/RiffChunkModel.h"
#include "core/details/ListDetails.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/InfoList.h"
#include "framework/MessageBox.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CLISTPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CLISTPropertyPage, CDialog)
ON_BN_CLICKED(IDC_TABLE_ADD, &CLISTPropertyPage::OnAddEntry)
ON_BN_CLICKED(IDC_TABLE_REMOVE, &CLISTPropertyPage::OnRemoveEntry)
END_MESSAGE_MAP()

namespace {

constexpr int IDC_LIST_TYPE = 1120;
constexpr int kIdColumn = 0;
constexpr int kTextColumn = 2;
const std::vector<int> kEditable = {kTextColumn};

CString EntryName(const CString& strId) {
    const CString strName = InfoFieldName(strId);
    return "INFO " + strId + (strName.empty() ? CString() : " (" + strName + ")");
}

// The id a picker's text starts with: "IART - Artist" or a typed "ABCD".
CString PickedId(const QComboBox* pPicker) {
    return pPicker->currentText().trimmed().section(' ', 0, 0).toStdString();
}

int RowOf(const QTableWidget* pTable, const CString& strId) {
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow) {
        if (CellText(pTable, nRow, kIdColumn) == strId) {
            return nRow;
        }
    }
    return -1;
}

void FillPicker(CWnd& page) {
    CWnd* pControl = page.GetDlgItem(IDC_TABLE_PICKER);
    auto* pPicker = pControl ? qobject_cast<QComboBox*>(pControl->GetSafeHwnd()) : nullptr;
    if (!pPicker) {
        return;
    }
    for (const CString& strId : NamedInfoIds()) {
        pPicker->addItem(QString::fromStdString(strId + " - " + InfoFieldName(strId)));
    }
}

// "LIST INFO", "LIST adtl": the list type the payload starts with, its bytes as printable text.
CString ListTypeLine(const CChunk* pChunk) {
    if (!pChunk || pChunk->DataSize() < 4) {
        return "LIST without a list type";
    }
    CString strType(reinterpret_cast<const char*>(pChunk->Data()), 4);
    for (char& c : strType) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
            c = '?';
        }
    }
    return "LIST " + strType;
}

}  // namespace

bool CLISTPropertyPage::IsEditedList() const {
    const auto* pRoot =
        m_pChunk ? dynamic_cast<const CRiffChunkModel*>(m_pChunk->m_pParent) : nullptr;
    return pRoot && FindList(*pRoot, "INFO") == m_pChunk;
}

BOOL CLISTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    if (CWnd* pType = GetDlgItem(IDC_LIST_TYPE)) {
        pType->SetWindowText(ListTypeLine(m_pChunk));
    }
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, true));
    if (IsEditedList()) {
        ShowEntries();
    }
    return TRUE;
}

void CLISTPropertyPage::ShowEntries() {
    QTableWidget* pTable = ShowTableControls(*this);
    if (!pTable) {
        return;
    }
    const CInfoList list(m_pChunk);
    m_shown.clear();
    for (const CString& strId : list.Ids()) {
        // An id that stands twice is edited in its first entry, as the list stores it.
        if (std::none_of(m_shown.begin(), m_shown.end(),
                         [&strId](const TableRow& row) { return row[kIdColumn] == strId; })) {
            m_shown.push_back({strId, InfoFieldName(strId), list.Text(strId).value_or("")});
        }
    }
    SetTableColumns(pTable, {"Id", "Name", "Text"});
    FillTable(pTable, m_shown, kEditable);
    FillPicker(*this);
    OnCellEdited(pTable, [this](int nRow, int nColumn) {
        CheckTypedText(nRow, nColumn);
        NotifyEdited();
    });
    m_scroller.Update();
}

void CLISTPropertyPage::CheckTypedText(int nRow, int nColumn) {
    QTableWidget* pTable = TableOf(*this);
    if (!pTable || nColumn != kTextColumn) {
        return;
    }
    const CString strId = CellText(pTable, nRow, kIdColumn);
    const CString strProblem = CheckInfoText(strId, CellText(pTable, nRow, kTextColumn));
    MarkCell(pTable, nRow, nColumn,
             strProblem.empty() ? CString() : EntryName(strId) + " is not saved: " + strProblem);
}

void CLISTPropertyPage::OnAddEntry() {
    QTableWidget* pTable = TableOf(*this);
    CWnd* pPicker = GetDlgItem(IDC_TABLE_PICKER);
    auto* pCombo = pPicker ? qobject_cast<QComboBox*>(pPicker->GetSafeHwnd()) : nullptr;
    if (!pTable || !pCombo) {
        return;
    }
    const CString strId = PickedId(pCombo);
    if (!IsInfoId(strId)) {
        AfxMessageBox("\"" + strId + "\" is not an INFO id: an id is four letters, such as IART.");
        return;
    }
    int nRow = RowOf(pTable, strId);
    if (nRow < 0) {
        nRow = AppendTableRow(pTable, {strId, InfoFieldName(strId), CString()}, kEditable);
    }
    pTable->setCurrentCell(nRow, kTextColumn);
    pTable->editItem(pTable->item(nRow, kTextColumn));
}

void CLISTPropertyPage::OnRemoveEntry() {
    QTableWidget* pTable = TableOf(*this);
    const int nRow = pTable ? SelectedRow(pTable) : -1;
    if (nRow >= 0) {
        pTable->removeRow(nRow);
        NotifyEdited();
    }
}

BOOL CLISTPropertyPage::UpdateChunk() {
    if (!HasInitialised() || !TableOf(*this) || !IsEditedList()) {
        return TRUE;
    }
    CInfoList list(m_pChunk);
    const CString strBefore = list.Payload();
    StoreEntries(list);
    const CString strAfter = list.Payload();
    if (strAfter != strBefore) {
        m_pChunk->SetData(reinterpret_cast<const BYTE*>(strAfter.data()),
                          static_cast<DWORD>(strAfter.size()));
    }
    return TRUE;
}

void CLISTPropertyPage::StoreEntries(CInfoList& list) const {
    const QTableWidget* pTable = TableOf(*this);
    for (const TableRow& shown : m_shown) {
        if (RowOf(pTable, shown[kIdColumn]) < 0) {
            list.Set(shown[kIdColumn], CString());
        }
    }
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow) {
        const TableRow row = RowTexts(pTable, nRow);
        const auto shown = std::find(m_shown.begin(), m_shown.end(), row);
        if (shown != m_shown.end()) {
            continue;
        }
        const CString& strId = row[kIdColumn];
        if (const CString strProblem = CheckInfoText(strId, row[kTextColumn]);
            !strProblem.empty()) {
            AfxMessageBox(EntryName(strId) + " is not saved: " + strProblem);
            continue;
        }
        list.Set(strId, row[kTextColumn]);
    }
}
