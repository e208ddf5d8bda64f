#include "format/factPropertyPage.h"

IMPLEMENT_DYNCREATE(CfactPropertyPage, CDialog)

namespace {
constexpr NumberFieldLayout kSampleLength{1004, 0, 4, false};
}

std::array<NumberField, 1> CfactPropertyPage::Fields() {
    return {{{&m_dwSampleLength, kSampleLength}}};
}

BOOL CfactPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    ShowNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

void CfactPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CfactPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}
