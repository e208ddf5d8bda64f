#pragma once

#include <optional>

#include "core/edit/MarkerList.h"
#include "pages/ChunkPage.h"
#include "pages/EditTable.h"

class CRiffChunkModel;

// The page of the markers of a cue chunk with the labels of the file's adtl lists. The markers
// of the file's first cue chunk are edited in a table (id, position in samples, timecode of the
// day, label, note): a position typed as samples or timecode, a label or note changed, a marker
// added or removed.
class CcuePropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CcuePropertyPage)
public:
    // Stores the edited markers in the cue chunk and the adtl list, adding the list when the
    // file has none; the other markers keep their bytes.
    void UpdateTree() override;

protected:
    BOOL OnInitDialog() override;
    void OnAddMarker();
    void OnRemoveMarker();

    DECLARE_MESSAGE_MAP()

private:
    CRiffChunkModel* Root() const;
    // The markers in the table by position (the listing below too, once edited).
    void ShowMarkers();
    std::vector<TableRow> SortedRows() const;
    // The table's row of the marker with that id, or -1.
    int RowOfMarker(const CString& strId) const;
    TableRow RowOf(const Marker& marker) const;
    // Applies a typed cell to the markers; a position refused (not a position, past the
    // samples) is said and the row shows the marker as it was.
    void ApplyCell(int nRow, int nColumn);
    // Applies one edit as the command line names it; false when it was refused and said,
    // naming strWhat.
    bool Apply(const CString& strOption, const CString& strValue, const CString& strWhat);

    std::optional<CMarkerList> m_markers;  // while the page edits the file's markers
    bool m_bEdited = false;
};
