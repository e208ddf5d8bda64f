#include "pages/CuePropertyPage.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
#include "core/details/DetailTable.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MarkerEdit.h"
#include "framework/MessageBox.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CcuePropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CcuePropertyPage, CDialog)
ON_BN_CLICKED(IDC_TABLE_ADD, &CcuePropertyPage::OnAddMarker)
ON_BN_CLICKED(IDC_TABLE_REMOVE, &CcuePropertyPage::OnRemoveMarker)
END_MESSAGE_MAP()

namespace {

enum Column { kId, kSamples, kTimecode, kLabel, kNote };
const std::vector<int> kEditable = {kSamples, kTimecode, kLabel, kNote};

// The marker edit a typed cell makes.
const char* OptionOf(int nColumn) {
    switch (nColumn) {
        case kLabel:
            return "rename";
        case kNote:
            return "note";
        default:
            return "move";
    }
}

}  // namespace

CRiffChunkModel* CcuePropertyPage::Root() const {
    return m_pChunk ? dynamic_cast<CRiffChunkModel*>(m_pChunk->m_pParent) : nullptr;
}

BOOL CcuePropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, false));
    const CRiffChunkModel* pRoot = Root();
    if (pRoot && FindChunk(*pRoot, "cue ") == m_pChunk && ShowTableControls(*this)) {
        m_markers = MarkersOf(*pRoot);
        SetTableColumns(TableOf(*this), {"Id", "Position", "Timecode", "Label", "Note"});
        ShowMarkers();
        OnCellEdited(TableOf(*this), [this](int nRow, int nColumn) { ApplyCell(nRow, nColumn); });
        m_scroller.Update();
    }
    return TRUE;
}

TableRow CcuePropertyPage::RowOf(const Marker& marker) const {
    const AudioFacts facts = AudioFactsOf(*Root());
    return {std::to_string(marker.id), std::to_string(marker.position),
            TimeOfDayText(facts.timeReference.value_or(0), marker.position, facts.dwSampleRate,
                          facts.Rate()),
            marker.label, marker.note};
}

std::vector<TableRow> CcuePropertyPage::SortedRows() const {
    std::vector<Marker> markers = m_markers->Markers();
    std::stable_sort(markers.begin(), markers.end(),
                     [](const Marker& a, const Marker& b) { return a.position < b.position; });
    std::vector<TableRow> rows;
    for (const Marker& marker : markers) {
        rows.push_back(RowOf(marker));
    }
    return rows;
}

void CcuePropertyPage::ShowMarkers() {
    const std::vector<TableRow> rows = SortedRows();
    QTableWidget* pTable = TableOf(*this);
    FillTable(pTable, rows, kEditable);
    // Each column as wide as its longest text: the table scrolls across when they are wider
    // than it, and its last column takes the room left when they are narrower.
    pTable->horizontalHeader()->setStretchLastSection(false);
    pTable->resizeColumnsToContents();
    pTable->horizontalHeader()->setStretchLastSection(pTable->horizontalHeader()->length() <
                                                      pTable->viewport()->width());
    if (m_bEdited) {
        // The listing follows the edits, before any save writes them.
        ShowDetailsText(*this, DetailTableText({"Markers, edited (not saved yet)",
                                                {"Id", "Position", "Timecode", "Label", "Note"},
                                                rows,
                                                {}}));
    }
}

int CcuePropertyPage::RowOfMarker(const CString& strId) const {
    QTableWidget* pTable = TableOf(*this);
    for (int nRow = 0; pTable && nRow < pTable->rowCount(); ++nRow) {
        if (CellText(pTable, nRow, kId) == strId) {
            return nRow;
        }
    }
    return -1;
}

bool CcuePropertyPage::Apply(const CString& strOption, const CString& strValue,
                             const CString& strWhat) {
    const CString strProblem = ApplyMarkerEdit(*Root(), *m_markers, strOption, strValue);
    if (!strProblem.empty()) {
        // The command line's words for the edit go; the reason stays.
        const CString strPrefix = "--" + strOption + " " + strValue + ": ";
        AfxMessageBox(strWhat + " is not saved: " +
                      (strProblem.rfind(strPrefix, 0) == 0 ? strProblem.substr(strPrefix.size())
                                                           : strProblem));
        return false;
    }
    m_bEdited = true;
    NotifyEdited();
    return true;
}

void CcuePropertyPage::ApplyCell(int nRow, int nColumn) {
    QTableWidget* pTable = TableOf(*this);
    const CString strId = CellText(pTable, nRow, kId);
    const CString strText = CellText(pTable, nRow, nColumn);
    Apply(OptionOf(nColumn), strId + "=" + strText, "Marker " + strId + " \"" + strText + "\"");
    if (const Marker* pMarker = m_markers->Find(static_cast<DWORD>(std::stoul(strId)))) {
        const TableRow row = RowOf(*pMarker);
        for (int nCell = 0; nCell < static_cast<int>(row.size()); ++nCell) {
            SetCellText(pTable, nRow, nCell, row[nCell]);
        }
    }
    // The table is refilled in position order once the cell's editor has let go of it.
    QMetaObject::invokeMethod(
        pTable,
        [this, strId, nColumn] {
            ShowMarkers();
            if (QTableWidget* pShown = TableOf(*this); pShown && RowOfMarker(strId) >= 0) {
                pShown->setCurrentCell(RowOfMarker(strId), nColumn);
            }
        },
        Qt::QueuedConnection);
}

void CcuePropertyPage::OnAddMarker() {
    if (!m_markers || !Apply("add", "0", "A new marker at the first sample")) {
        return;
    }
    ShowMarkers();
    QTableWidget* pTable = TableOf(*this);
    const std::vector<Marker>& markers = m_markers->Markers();
    const auto newest =
        std::max_element(markers.begin(), markers.end(),
                         [](const Marker& a, const Marker& b) { return a.id < b.id; });
    const int nRow = RowOfMarker(std::to_string(newest->id));
    pTable->setCurrentCell(nRow, kSamples);
    pTable->editItem(pTable->item(nRow, kSamples));
}

void CcuePropertyPage::OnRemoveMarker() {
    QTableWidget* pTable = m_markers ? TableOf(*this) : nullptr;
    const int nRow = pTable ? SelectedRow(pTable) : -1;
    const CString strId = nRow >= 0 ? CellText(pTable, nRow, kId) : CString();
    if (nRow >= 0 && Apply("remove", strId, "Marker " + strId)) {
        ShowMarkers();
    }
}

void CcuePropertyPage::UpdateTree() {
    CRiffChunkModel* pRoot = Root();
    if (!m_bEdited || !m_markers || !pRoot) {
        return;
    }
    if (const CString strProblem = StoreMarkers(*pRoot, *m_markers); !strProblem.empty()) {
        AfxMessageBox("The markers are not saved: " + strProblem + ".");
        return;
    }
    m_bEdited = false;
}
