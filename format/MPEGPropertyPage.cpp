#include "format/MPEGPropertyPage.h"

#include "format/FormatRecord.h"

std::array<NumberField, 15> CMPEGPropertyPage::Fields() {
    using namespace formatrecord;
    return {{
        {&m_wFormatTag, kFormatTag},
        {&m_nChannels, kChannels},
        {&m_nSamplesPerSec, kSamplesPerSec},
        {&m_nAvgBytesPerSec, kAvgBytesPerSec},
        {&m_nBlockAlign, kBlockAlign},
        {&m_wBitsPerSample, kBitsPerSample},
        {&m_cbSize, kCbSize},
        {&m_dwHeadBitRate, kHeadBitRate},
        {&m_fwHeadFlags, kHeadFlags},
        {&m_fwHeadLayer, kHeadLayer},
        {&m_fwHeadMode, kHeadMode},
        {&m_wHeadEmphasis, kHeadEmphasis},
        {&m_fwHeadModeExt, kHeadModeExt},
        {&m_dwPTSHigh, kPTSHigh},
        {&m_dwPTSLow, kPTSLow},
    }};
}

BOOL CMPEGPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    ShowNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

void CMPEGPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CMPEGPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}
