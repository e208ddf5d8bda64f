#pragma once
// The page of an MPEG audio format chunk: the seven fields that every format record has, the tag
// and cbSize read-only, and the eight fields of the MPEG extension.

#include <array>

#include "pages/ChunkPage.h"
#include "pages/NumberField.h"

class CMPEGPropertyPage : public CChunkPage {
public:
    BOOL UpdateChunk() override;
    std::vector<TypedValue> TypedValues() override;

    DWORD m_wFormatTag = 0;
    DWORD m_nChannels = 0;
    DWORD m_nSamplesPerSec = 0;
    DWORD m_nAvgBytesPerSec = 0;
    DWORD m_nBlockAlign = 0;
    DWORD m_wBitsPerSample = 0;
    DWORD m_cbSize = 0;
    DWORD m_dwHeadBitRate = 0;
    DWORD m_fwHeadFlags = 0;
    DWORD m_fwHeadLayer = 0;
    DWORD m_fwHeadMode = 0;
    DWORD m_wHeadEmphasis = 0;
    DWORD m_fwHeadModeExt = 0;
    DWORD m_dwPTSHigh = 0;
    DWORD m_dwPTSLow = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The members in exchange order (which is not the order of the rows), each at its field.
    std::array<NumberField, 15> Fields();
    // Beside the layer, mode, emphasis and flags, what their numbers mean.
    void ShowMeanings();
};
