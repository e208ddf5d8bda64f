#include "pages/FieldTablePage.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CFieldTablePage, CDialog)

namespace {

// The ids of row n's label and box in the templates of such pages.
constexpr int kFirstLabel = 1200;
constexpr int kFirstBox = 1300;

std::span<const FieldLayout> FieldsOf(const CChunk* pChunk) {
    const FieldTable* pTable = pChunk ? FieldTableOf(*pChunk) : nullptr;
    return pTable ? pTable->fields : std::span<const FieldLayout>();
}

}  // namespace

BOOL CFieldTablePage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    m_shownTexts.assign(FieldsOf(m_pChunk).size(), CString());
    for (std::size_t nRow = 0; nRow < m_shownTexts.size(); ++nRow) {
        ShowRow(nRow);
    }
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, false));
    return TRUE;
}

void CFieldTablePage::ShowRow(std::size_t nRow) {
    const FieldLayout& field = FieldsOf(m_pChunk)[nRow];
    const int nOffset = static_cast<int>(nRow);
    if (CWnd* pLabel = GetDlgItem(kFirstLabel + nOffset)) {
        pLabel->SetWindowText(CString(field.name) + ":");
    }
    CWnd* pBox = GetDlgItem(kFirstBox + nOffset);
    if (!pBox) {
        return;
    }
    const std::optional<CString> text = ReadFieldText(*m_pChunk, field);
    pBox->SetWindowText(text.value_or(CString()));
    pBox->SetReadOnly(!text || !field.stored);
    if (IsFixedWidthText(field)) {
        pBox->SetLimitText(static_cast<int>(field.width));
    }
    m_shownTexts[nRow] = pBox->GetWindowText();
}

std::vector<TypedValue> CFieldTablePage::TypedValues() {
    std::vector<TypedValue> typed;
    const auto fields = FieldsOf(m_pChunk);
    for (std::size_t nRow = 0; nRow < fields.size() && nRow < m_shownTexts.size(); ++nRow) {
        const CWnd* pBox = GetDlgItem(kFirstBox + static_cast<int>(nRow));
        if (pBox && fields[nRow].stored && pBox->GetWindowText() != m_shownTexts[nRow]) {
            typed.push_back({&fields[nRow], pBox->GetWindowText()});
        }
    }
    return typed;
}

BOOL CFieldTablePage::UpdateChunk() {
    if (!HasInitialised()) {
        return TRUE;
    }
    for (const TypedValue& value : TypedValues()) {
        WriteFieldText(*m_pChunk, *value.pField, value.strText);
    }
    return TRUE;
}
