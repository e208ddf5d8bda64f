#include "bwf/BEXTPropertyPage.h"

#include <algorithm>
#include <cstdio>

#include "bwf/BEXTChunk.h"
#include "model/Overview.h"
#include "core/fields/PayloadField.h"

IMPLEMENT_DYNCREATE(CBEXTPropertyPage, CDialog)

namespace {

constexpr DWORD kFixedPartSize = 602;

struct TextField {
    int nID;
    DWORD dwOffset;
    DWORD dwWidth;  // 0: everything after the fixed part
    CString CBEXTPropertyPage::*pBytes;
    CFieldText CBEXTPropertyPage::*pText;
};

using P = CBEXTPropertyPage;
const TextField kTextFields[] = {
    {1009, 0, 256, &P::m_strDescription, &P::m_descriptionText},
    {1011, 256, 32, &P::m_strOriginator, &P::m_originatorText},
    {1010, 288, 32, &P::m_strOriginatorReference, &P::m_originatorReferenceText},
    {1013, 320, 10, &P::m_strOriginationDate, &P::m_originationDateText},
    {1014, 330, 8, &P::m_strOriginationTime, &P::m_originationTimeText},
    {1012, kFixedPartSize, 0, &P::m_strCodingHistory, &P::m_codingHistoryText},
};

struct NumberField {
    int nID;
    DWORD dwOffset;
    DWORD dwWidth;
    CString CBEXTPropertyPage::*pText;
};

const NumberField kShownNumbers[] = {
    {1015, 338, 4, &P::m_strTimeReferenceLow},
    {1008, 342, 4, &P::m_strTimeReferenceHigh},
    {1016, 346, 2, &P::m_strVersion},
};
constexpr int kVersionId = 1016;

// The part of a text field that lies inside a payload of dwSize bytes.
DWORD UsableWidth(const TextField& field, DWORD dwSize) {
    const DWORD dwWidth = field.dwWidth != 0        ? field.dwWidth
                          : dwSize > kFixedPartSize ? dwSize - kFixedPartSize
                                                    : 0;
    return FieldBytesInPayload(dwSize, field.dwOffset, dwWidth);
}

// A text field's bytes: up to its first zero byte, at most its width.
CString FieldBytes(const BYTE* pField, DWORD dwWidth) {
    const BYTE* pEnd = std::find(pField, pField + dwWidth, BYTE{0});
    return CString(pField, pEnd);
}

CString ShownNumber(const NumberField& field, const BYTE* pPayload) {
    if (field.nID == kVersionId) {
        return "0.0";  // the stored version is not shown
    }
    DWORD dwValue = 0;
    AddLittleEndian(&dwValue, pPayload + field.dwOffset, static_cast<int>(field.dwWidth));
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(dwValue));
    return text;
}

void RemoveTrailingWhiteSpace(CString& strText) {
    const std::size_t nLast = strText.find_last_not_of(" \t\r\n\v\f");
    strText.erase(nLast == CString::npos ? 0 : nLast + 1);
}

// The overview is shown as UTF-8, whatever encoding the field was read with.
CString OverviewText(const CString& strBytes) {
    return DecodeFieldBytes(strBytes).toStdString();
}

}  // namespace

CBEXTPropertyPage::CBEXTPropertyPage() = default;

CBEXTPropertyPage::~CBEXTPropertyPage() = default;

BYTE* CBEXTPropertyPage::Payload() const {
    const auto* pChunk = dynamic_cast<const CBEXTChunk*>(m_pChunk);
    return pChunk ? pChunk->m_pBext : nullptr;
}

DWORD CBEXTPropertyPage::PayloadSize() const {
    return Payload() ? m_pChunk->DataSize() : 0;
}

BOOL CBEXTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ReadFields();
    RebuildOverview();
    LockFieldsOutsidePayload();
    UpdateData(FALSE);
    return TRUE;
}

void CBEXTPropertyPage::ReadFields() {
    const BYTE* pPayload = Payload();
    const DWORD dwSize = PayloadSize();
    for (const TextField& field : kTextFields) {
        const DWORD dwUsable = UsableWidth(field, dwSize);
        this->*field.pBytes =
            dwUsable > 0 ? FieldBytes(pPayload + field.dwOffset, dwUsable) : CString();
    }
    for (const NumberField& field : kShownNumbers) {
        this->*field.pText = FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)
                                 ? ShownNumber(field, pPayload)
                                 : CString();
    }
}

void CBEXTPropertyPage::RebuildOverview() {
    g_strOverview = "Broadcast Wave Format file:\r\n\r\n";
    RemoveTrailingWhiteSpace(m_strDescription);
    g_strOverview += "Description:\r\n" + OverviewText(m_strDescription) + "\r\n\r\n";
    RemoveTrailingWhiteSpace(m_strCodingHistory);
    g_strOverview += "Coding History:\r\n" + OverviewText(m_strCodingHistory) + "\r\n\r\n";
}

void CBEXTPropertyPage::LockFieldsOutsidePayload() {
    const DWORD dwSize = PayloadSize();
    const auto lock = [this](int nID) {
        if (CWnd* pBox = GetDlgItem(nID)) {
            pBox->SetReadOnly(TRUE);
        }
    };
    for (const TextField& field : kTextFields) {
        if (UsableWidth(field, dwSize) == 0) {
            lock(field.nID);
        }
    }
    for (const NumberField& field : kShownNumbers) {
        if (!FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)) {
            lock(field.nID);
        }
    }
}

void CBEXTPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    const DWORD dwSize = PayloadSize();
    for (const TextField& field : kTextFields) {
        if (UsableWidth(field, dwSize) > 0) {
            DDX_FieldText(pDX, field.nID, this->*field.pBytes, this->*field.pText);
        }
    }
    for (const NumberField& field : kShownNumbers) {
        if (FieldFitsPayload(dwSize, field.dwOffset, field.dwWidth)) {
            DDX_Text(pDX, field.nID, this->*field.pText);
        }
    }
}

BOOL CBEXTPropertyPage::UpdateChunk() {
    if (!HasInitialised()) {
        return TRUE;
    }
    UpdateData(TRUE);
    BYTE* pPayload = Payload();
    const DWORD dwSize = PayloadSize();
    for (const TextField& field : kTextFields) {
        const DWORD dwUsable = UsableWidth(field, dwSize);
        if (dwUsable > 0) {
            const CString strBytes = CutFieldBytes(this->*field.pBytes, dwUsable);
            CopyTextToField(&strBytes, pPayload + field.dwOffset, static_cast<int>(dwUsable));
        }
    }
    return TRUE;
}
