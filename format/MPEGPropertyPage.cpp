#include "format/MPEGPropertyPage.h"

#include "core/fields/FormatFields.h"
#include "format/FieldMeanings.h"
#include "format/FormatRecord.h"

std::array<NumberField, 15> CMPEGPropertyPage::Fields() {
    using namespace formatcontrols;
    const FieldTable& t = kMpegFormatFields;
    return {{
        {&m_wFormatTag, kFormatTag, FieldOf(t, "wFormatTag")},
        {&m_nChannels, kChannels, FieldOf(t, "nChannels")},
        {&m_nSamplesPerSec, kSamplesPerSec, FieldOf(t, "nSamplesPerSec")},
        {&m_nAvgBytesPerSec, kAvgBytesPerSec, FieldOf(t, "nAvgBytesPerSec")},
        {&m_nBlockAlign, kBlockAlign, FieldOf(t, "nBlockAlign")},
        {&m_wBitsPerSample, kBitsPerSample, FieldOf(t, "wBitsPerSample")},
        {&m_cbSize, kCbSize, FieldOf(t, "cbSize")},
        {&m_dwHeadBitRate, kHeadBitRate, FieldOf(t, "dwHeadBitRate")},
        {&m_fwHeadFlags, kHeadFlags, FieldOf(t, "fwHeadFlags")},
        {&m_fwHeadLayer, kHeadLayer, FieldOf(t, "fwHeadLayer")},
        {&m_fwHeadMode, kHeadMode, FieldOf(t, "fwHeadMode")},
        {&m_wHeadEmphasis, kHeadEmphasis, FieldOf(t, "wHeadEmphasis")},
        {&m_fwHeadModeExt, kHeadModeExt, FieldOf(t, "fwHeadModeExt")},
        {&m_dwPTSHigh, kPTSHigh, FieldOf(t, "dwPTSHigh")},
        {&m_dwPTSLow, kPTSLow, FieldOf(t, "dwPTSLow")},
    }};
}

BOOL CMPEGPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    ShowNumberFields(*this, m_pChunk, Fields());
    ShowMeanings();
    return TRUE;
}

void CMPEGPropertyPage::ShowMeanings() {
    const std::pair<int, CString> meanings[] = {
        {1060, MpegLayerMeaning(m_fwHeadLayer)},
        {1061, MpegModeMeaning(m_fwHeadMode)},
        {1062, MpegEmphasisMeaning(m_wHeadEmphasis)},
        {1063, MpegFlagsMeaning(m_fwHeadFlags)},
    };
    for (const auto& [nID, strMeaning] : meanings) {
        if (CWnd* pLabel = GetDlgItem(nID)) {
            pLabel->SetWindowText(m_pChunk ? strMeaning : CString());
        }
    }
}

void CMPEGPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CMPEGPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

std::vector<TypedValue> CMPEGPropertyPage::TypedValues() {
    return TypedNumbers(*this, m_pChunk, Fields());
}
