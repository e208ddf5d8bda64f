#pragma once
// The page of a chunk whose kind's field table says all there is to show: a label and a box for
// each field in the table's order, then the details box. A stored field the payload holds is
// editable and goes back through the table's codec, as ovalis-cli's set writes it; every other
// box is read-only. A fixed-width text's box takes no more characters than its field holds.

#include <vector>

#include "pages/ChunkPage.h"

class CFieldTablePage : public CChunkPage {
    DECLARE_DYNCREATE(CFieldTablePage)
public:
    BOOL OnInitDialog() override;
    // Writes back the boxes whose text was changed: a box left alone leaves every byte of its
    // field as read. A page never initialised stores nothing.
    BOOL UpdateChunk() override;
    std::vector<TypedValue> TypedValues() override;

private:
    void ShowRow(std::size_t nRow);
    // Each box's text as read back right after it was filled: a box may normalise line breaks.
    std::vector<CString> m_shownTexts;
};
