#include "pages/CuePropertyPage.h"

#include <QTableWidget>
#include <algorithm>

#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
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

void CcuePropertyPage::ShowMarkers() {
    std::vector<TableRow> rows;
    for (const Marker& marker : m_markers->Markers()) {
        rows.push_back(RowOf(marker));
    }
    FillTable(TableOf(*this), rows, kEditable);
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
}

void CcuePropertyPage::OnAddMarker() {
    if (!m_markers || !Apply("add", "0", "A new marker at the first sample")) {
        return;
    }
    ShowMarkers();
    QTableWidget* pTable = TableOf(*this);
    const std::vector<Marker>& markers = m_markers->Markers();
    const int nRow = static_cast<int>(
        std::max_element(markers.begin(), markers.end(),
                         [](const Marker& a, const Marker& b) { return a.id < b.id; }) -
        markers.begin());
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
