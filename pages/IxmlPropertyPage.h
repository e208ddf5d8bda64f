#pragma once

#include <vector>

#include "pages/ChunkPage.h"

struct DetailTable;

// The page of an iXML chunk: its main fields in boxes, then its tracks and the whole document,
// all read-only; the bytes go back as they came.
class CiXMLPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CiXMLPropertyPage)
protected:
    BOOL OnInitDialog() override;

private:
    // Labels every row; fills the boxes from the fields table when the document gave one.
    void ShowRows(const std::vector<CString>& names, const DetailTable* pFields);
};
