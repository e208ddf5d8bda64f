#include "bwf/MEXTPropertyPage.h"

#include "bwf/MEXTChunk.h"
#include "core/fields/PayloadField.h"

IMPLEMENT_DYNCREATE(CMEXTPropertyPage, CDialog)

namespace {

struct NumberField {
    int nID;
    DWORD dwOffset;
    DWORD dwWidth;
    DWORD CMEXTPropertyPage::*pValue;
};

// In the order of exchange: reserved first, sound information last.
const NumberField kFields[] = {
    {1007, 8, 4, &CMEXTPropertyPage::m_dwReserved},
    {1006, 6, 2, &CMEXTPropertyPage::m_wAncillaryDataDef},
    {1005, 4, 2, &CMEXTPropertyPage::m_wAncillaryDataLength},
    {1017, 2, 2, &CMEXTPropertyPage::m_wFrameSize},
    {1016, 0, 2, &CMEXTPropertyPage::m_wSoundInformation},
};

}  // namespace

BYTE* CMEXTPropertyPage::Payload() const {
    const auto* pChunk = dynamic_cast<const CMEXTChunk*>(m_pChunk);
    return pChunk ? pChunk->m_pMext : nullptr;
}

DWORD CMEXTPropertyPage::PayloadSize() const {
    return Payload() ? m_pChunk->DataSize() : 0;
}

BOOL CMEXTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    const BYTE* pPayload = Payload();
    const DWORD dwSize = PayloadSize();
    for (const NumberField& field : kFields) {
        if (FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)) {
            this->*field.pValue = 0;
            AddLittleEndian(&(this->*field.pValue), pPayload + field.dwOffset,
                            static_cast<int>(field.dwWidth));
        } else if (CWnd* pBox = GetDlgItem(field.nID)) {
            pBox->SetReadOnly(TRUE);
        }
    }
    UpdateData(FALSE);
    return TRUE;
}

void CMEXTPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    const DWORD dwSize = PayloadSize();
    for (const NumberField& field : kFields) {
        if (FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)) {
            DDX_Text(pDX, field.nID, this->*field.pValue);
        }
    }
}

BOOL CMEXTPropertyPage::UpdateChunk() {
    if (!HasInitialised()) {
        return TRUE;
    }
    UpdateData(TRUE);  // a refused box has shown its message; its field keeps the stored value
    BYTE* pPayload = Payload();
    const DWORD dwSize = PayloadSize();
    for (const NumberField& field : kFields) {
        if (FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)) {
            StoreLittleEndian(&(this->*field.pValue), pPayload + field.dwOffset,
                              static_cast<int>(field.dwWidth));
        }
    }
    return TRUE;
}
