#include "bwf/MEXTPropertyPage.h"

#include "core/fields/MextFields.h"
#include "format/FieldMeanings.h"

IMPLEMENT_DYNCREATE(CMEXTPropertyPage, CDialog)

// In the order of exchange: reserved first, sound information last.
std::array<NumberField, 5> CMEXTPropertyPage::Fields() {
    const FieldTable& t = kMextFields;
    return {{
        {&m_dwReserved, 1007, FieldOf(t, "Reserved")},
        {&m_wAncillaryDataDef, 1006, FieldOf(t, "AncillaryDataDef")},
        {&m_wAncillaryDataLength, 1005, FieldOf(t, "AncillaryDataLength")},
        {&m_wFrameSize, 1017, FieldOf(t, "FrameSize")},
        {&m_wSoundInformation, 1016, FieldOf(t, "SoundInformation")},
    }};
}

BOOL CMEXTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    LoadNumberFields(m_pChunk, Fields());
    ShowNumberFields(*this, m_pChunk, Fields());
    if (CWnd* pMeaning = GetDlgItem(1060); pMeaning && m_pChunk) {
        pMeaning->SetWindowText(SoundInformationMeaning(m_wSoundInformation));
    }
    return TRUE;
}

void CMEXTPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    ExchangeNumberFields(pDX, m_pChunk, Fields());
}

BOOL CMEXTPropertyPage::UpdateChunk() {
    StoreNumberFields(*this, m_pChunk, Fields());
    return TRUE;
}

std::vector<TypedValue> CMEXTPropertyPage::TypedValues() {
    return TypedNumbers(*this, m_pChunk, Fields());
}
