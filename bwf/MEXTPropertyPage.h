#pragma once
// The page of an MPEG audio extension chunk: its five numbers in edit boxes, stored back in place.
// A field that a short payload does not hold whole shows an empty read-only box and is never
// touched.

#include <array>

#include "pages/ChunkPage.h"
#include "pages/NumberField.h"

class CMEXTPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CMEXTPropertyPage)
public:
    BOOL OnInitDialog() override;
    // A page that was never initialised stores nothing, so its zero members cannot wipe the
    // fields.
    BOOL UpdateChunk() override;
    std::vector<TypedValue> TypedValues() override;

    // In the order of exchange; the 16-bit fields are held widened with zeros.
    DWORD m_dwReserved = 0;
    DWORD m_wAncillaryDataDef = 0;
    DWORD m_wAncillaryDataLength = 0;
    DWORD m_wFrameSize = 0;
    DWORD m_wSoundInformation = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::array<NumberField, 5> Fields();
};
