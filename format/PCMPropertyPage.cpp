#include "format/PCMPropertyPage.h"

#include "format/AudioSummary.h"
#include "format/FormatRecord.h"
#include "model/Overview.h"

std::array<NumberField, 7> CPCMPropertyPage::Fields() {
    using namespace formatrecord;
    return {{
        {&m_wFormatTag, kFormatTag},
        {&m_nChannels, kChannels},
        {&m_nSamplesPerSec, kSamplesPerSec},
        {&m_nAvgBytesPerSec, kAvgBytesPerSec},
        {&m_nBlockAlign, kBlockAlign},
        {&m_wBitsPerSample, kBitsPerSample},
        {&m_cbSize, kCbSize},
    }};
}

BOOL CPCMPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    AppendAudioSummary();
    ShowNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

void CPCMPropertyPage::AppendAudioSummary() {
    using namespace formatrecord;
    if (IsFieldHeld(m_pChunk, kSamplesPerSec) && IsFieldHeld(m_pChunk, kBitsPerSample) &&
        IsFieldHeld(m_pChunk, kChannels)) {
        g_strOverview += AudioSummaryLine(m_nSamplesPerSec, m_wBitsPerSample, m_nChannels);
    }
}

void CPCMPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CPCMPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}
