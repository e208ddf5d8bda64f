#pragma once

#include <vector>

#include "pages/ChunkPage.h"

// The page of an iXML chunk: its main fields and SPEED rates in boxes, editable while the
// document is well formed, then its tracks and the whole document, read-only.
class CiXMLPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CiXMLPropertyPage)
public:
    // Sets each field whose box was changed in the document, every other byte as read; a field
    // the document cannot take is said, naming it, and left as it was.
    BOOL UpdateChunk() override;

protected:
    BOOL OnInitDialog() override;

private:
    // Labels every row and fills its box; a document Ovalis cannot read keeps the boxes empty and
    // read-only.
    void ShowRows(const CString& strDocument);

    std::vector<CString> m_shown;  // each row's text as shown
};
