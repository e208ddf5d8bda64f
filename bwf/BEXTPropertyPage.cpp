#include "bwf/BEXTPropertyPage.h"

#include "bwf/BEXTChunk.h"
#include "bwf/TimeReferenceText.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/OverviewText.h"
#include "core/edit/MetadataValues.h"
#include "core/fields/BextFields.h"
#include "framework/MessageBox.h"
#include "pages/Overview.h"

IMPLEMENT_DYNCREATE(CBEXTPropertyPage, CDialog)

namespace {

constexpr int IDC_GENERATE_UMID = 1057;
constexpr int IDC_VERSION = 1016;

using P = CBEXTPropertyPage;

struct TextBox {
    int nID;
    const char* pszField;
    CString CBEXTPropertyPage::*pBytes;
    CFieldText CBEXTPropertyPage::*pText;
};

const TextBox kTextBoxes[] = {
    {1009, "Description", &P::m_strDescription, &P::m_descriptionText},
    {1011, "Originator", &P::m_strOriginator, &P::m_originatorText},
    {1010, "OriginatorReference", &P::m_strOriginatorReference, &P::m_originatorReferenceText},
    {1013, "OriginationDate", &P::m_strOriginationDate, &P::m_originationDateText},
    {1014, "OriginationTime", &P::m_strOriginationTime, &P::m_originationTimeText},
    {1012, "CodingHistory", &P::m_strCodingHistory, &P::m_codingHistoryText},
};

// Shown and never written back.
struct ShownBox {
    int nID;
    const char* pszField;
    CString CBEXTPropertyPage::*pText;
};

const ShownBox kShownBoxes[] = {
    {1015, "TimeReferenceLow", &P::m_strTimeReferenceLow},
    {1008, "TimeReferenceHigh", &P::m_strTimeReferenceHigh},
    {1016, "Version", &P::m_strVersion},
};

const FieldLayout& Field(const char* pszName) {
    return *kBextFields.Find(pszName);
}

}  // namespace

BEGIN_MESSAGE_MAP(CBEXTPropertyPage, CDialog)
ON_BN_CLICKED(IDC_GENERATE_UMID, &CBEXTPropertyPage::OnGenerateUmid)
END_MESSAGE_MAP()

CBEXTPropertyPage::CBEXTPropertyPage() = default;

CBEXTPropertyPage::~CBEXTPropertyPage() = default;

BYTE* CBEXTPropertyPage::Payload() const {
    const auto* pChunk = dynamic_cast<const CBEXTChunk*>(m_pChunk);
    return pChunk ? pChunk->m_pBext : nullptr;
}

DWORD CBEXTPropertyPage::PayloadSize() const {
    return Payload() ? m_pChunk->DataSize() : 0;
}

bool CBEXTPropertyPage::IsHeld(const char* pszField) const {
    return Payload() && IsFieldHeld(Field(pszField), PayloadSize());
}

BOOL CBEXTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ReadFields();
    g_strOverview = BextOverview(m_strDescription, m_strCodingHistory);
    LockFieldsOutsidePayload();
    UpdateData(FALSE);
    ShowTimeReference(*this, m_pChunk);
    m_timeReferenceBox.Show(*this, Payload() ? m_pChunk : nullptr);
    m_versionBoxes.Show(*this, Payload() ? m_pChunk : nullptr);
    if (CWnd* pGenerate = GetDlgItem(IDC_GENERATE_UMID)) {
        pGenerate->EnableWindow(Payload() && IsFirstBext());
    }
    return TRUE;
}

bool CBEXTPropertyPage::IsFirstBext() const {
    auto* pRoot = m_pChunk ? dynamic_cast<CRiffChunkModel*>(m_pChunk->m_pParent) : nullptr;
    return pRoot && BextChunkFor(*pRoot, false) == m_pChunk;
}

void CBEXTPropertyPage::OnGenerateUmid() {
    auto* pChunk = dynamic_cast<CBEXTChunk*>(m_pChunk);
    if (!pChunk || !Payload() || !IsFirstBext()) {
        return;
    }
    const ValueOutcome outcome =
        SetMetadataValue(*static_cast<CRiffChunkModel*>(pChunk->m_pParent), "UMID", "generate", {});
    if (!outcome.problem.empty()) {
        AfxMessageBox("bext UMID is not generated: " + outcome.problem);
        return;
    }
    m_strVersion = ReadFieldText(*pChunk, Field("Version")).value_or("");
    if (CWnd* pVersion = GetDlgItem(IDC_VERSION)) {
        pVersion->SetWindowText(m_strVersion);
    }
    m_versionBoxes.ShowUmid(*this, *pChunk);
    m_scroller.Update();
    NotifyEdited();
}

void CBEXTPropertyPage::ReadFields() {
    for (const TextBox& box : kTextBoxes) {
        this->*box.pBytes = ReadTextBytes(Payload(), PayloadSize(), Field(box.pszField));
    }
    for (const ShownBox& box : kShownBoxes) {
        this->*box.pText = m_pChunk && Payload()
                               ? ReadFieldText(*m_pChunk, Field(box.pszField)).value_or("")
                               : CString();
    }
}

void CBEXTPropertyPage::LockFieldsOutsidePayload() {
    const auto lock = [this](int nID, const char* pszField) {
        CWnd* pBox = GetDlgItem(nID);
        if (pBox && !IsHeld(pszField)) {
            pBox->SetReadOnly(TRUE);
        }
    };
    for (const TextBox& box : kTextBoxes) {
        lock(box.nID, box.pszField);
        // A fixed-width text's box takes no more characters than its field has bytes.
        CWnd* pBox = GetDlgItem(box.nID);
        if (pBox && IsFixedWidthText(Field(box.pszField))) {
            pBox->SetLimitText(static_cast<int>(Field(box.pszField).width));
        }
    }
    for (const ShownBox& box : kShownBoxes) {
        lock(box.nID, box.pszField);
    }
}

void CBEXTPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CChunkPage::DoDataExchange(pDX);
    for (const TextBox& box : kTextBoxes) {
        if (IsHeld(box.pszField)) {
            DDX_FieldText(pDX, box.nID, this->*box.pBytes, this->*box.pText);
        }
    }
    for (const ShownBox& box : kShownBoxes) {
        if (IsHeld(box.pszField)) {
            DDX_Text(pDX, box.nID, this->*box.pText);
        }
    }
}

std::vector<TypedValue> CBEXTPropertyPage::TypedValues() {
    std::vector<TypedValue> typed;
    for (const TextBox& box : kTextBoxes) {
        const CWnd* pBox = GetDlgItem(box.nID);
        if (IsHeld(box.pszField) && (this->*box.pText).IsEdited(pBox)) {
            typed.push_back({&Field(box.pszField), pBox->GetWindowText()});
        }
    }
    return typed;
}

BOOL CBEXTPropertyPage::UpdateChunk() {
    if (!HasInitialised()) {
        return TRUE;
    }
    UpdateData(TRUE);
    // A box left alone leaves its field's bytes as read, white space and bytes after a zero too.
    for (const TextBox& box : kTextBoxes) {
        if ((this->*box.pText).IsEdited(GetDlgItem(box.nID))) {
            WriteTextBytes(Payload(), PayloadSize(), Field(box.pszField), this->*box.pBytes);
        }
    }
    m_versionBoxes.Store(*this, Payload() ? m_pChunk : nullptr);
    m_timeReferenceBox.Store(*this, Payload() ? m_pChunk : nullptr);
    return TRUE;
}
