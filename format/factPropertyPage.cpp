#include "format/factPropertyPage.h"

#include "core/fields/FactFields.h"

IMPLEMENT_DYNCREATE(CfactPropertyPage, CDialog)

std::array<NumberField, 1> CfactPropertyPage::Fields() {
    return {{{&m_dwSampleLength, 1004, FieldOf(kFactFields, "dwSampleLength")}}};
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

std::vector<TypedValue> CfactPropertyPage::TypedValues() {
    return TypedNumbers(*this, m_pChunk, Fields());
}
