#pragma once
// The page of a PCM format chunk: the seven fields of the format record, the tag and cbSize
// read-only. Creating it adds the audio line to the overview text.

#include <array>

#include "pages/ChunkPage.h"
#include "pages/NumberField.h"

class CPCMPropertyPage : public CChunkPage {
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

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The members in exchange order, each at its field of the format record.
    std::array<NumberField, 7> Fields();
};
