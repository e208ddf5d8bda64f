#include "format/PCMPropertyPage.h"

#include "core/chunks/OverviewText.h"
#include "core/fields/FormatFields.h"
#include "format/FormatRecord.h"
#include "pages/Overview.h"

std::array<NumberField, 7> CPCMPropertyPage::Fields() {
    using namespace formatcontrols;
    const FieldTable& t = kPcmFormatFields;
    return {{
        {&m_wFormatTag, kFormatTag, FieldOf(t, "wFormatTag")},
        {&m_nChannels, kChannels, FieldOf(t, "nChannels")},
        {&m_nSamplesPerSec, kSamplesPerSec, FieldOf(t, "nSamplesPerSec")},
        {&m_nAvgBytesPerSec, kAvgBytesPerSec, FieldOf(t, "nAvgBytesPerSec")},
        {&m_nBlockAlign, kBlockAlign, FieldOf(t, "nBlockAlign")},
        {&m_wBitsPerSample, kBitsPerSample, FieldOf(t, "wBitsPerSample")},
        {&m_cbSize, kCbSize, FieldOf(t, "cbSize")},
    }};
}

BOOL CPCMPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    if (m_pChunk) {
        g_strOverview += PcmOverviewLine(*m_pChunk);
    }
    ShowNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

void CPCMPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CPCMPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

std::vector<TypedValue> CPCMPropertyPage::TypedValues() {
    return TypedNumbers(*this, m_pChunk, Fields());
}
