#include "pages/NumberField.h"

#include <cstdlib>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "framework/Dialog.h"

namespace {

bool IsHeld(const CChunk* pChunk, const FieldLayout& field) {
    return pChunk && IsFieldHeld(*pChunk, field);
}

}  // namespace

const FieldLayout& FieldOf(const FieldTable& table, const char* pszName) {
    const FieldLayout* pField = table.Find(pszName);
    if (!pField) {
        std::abort();
    }
    return *pField;
}

void LoadNumberFields(const CChunk* pChunk, std::span<const NumberField> fields) {
    for (const NumberField& number : fields) {
        if (IsHeld(pChunk, number.field)) {
            *number.pValue = ReadNumber(*pChunk, number.field);
        }
    }
}

void ExchangeNumberFields(CDataExchange* pDX, const CChunk* pChunk,
                          std::span<const NumberField> fields) {
    for (const NumberField& number : fields) {
        if (pDX->HasFailed()) {
            return;
        }
        const bool bShownOnly = !number.field.stored && pDX->m_bSaveAndValidate;
        if (IsHeld(pChunk, number.field) && !bShownOnly) {
            DDX_Text(pDX, number.nID, *number.pValue);
        }
    }
}

void ShowNumberFields(CDialog& page, const CChunk* pChunk, std::span<const NumberField> fields) {
    for (const NumberField& number : fields) {
        CWnd* pBox = page.GetDlgItem(number.nID);
        if (pBox && !IsHeld(pChunk, number.field)) {
            pBox->SetReadOnly(TRUE);
        }
    }
    page.UpdateData(FALSE);
}

std::vector<TypedValue> TypedNumbers(const CDialog& page, const CChunk* pChunk,
                                     std::span<const NumberField> fields) {
    std::vector<TypedValue> typed;
    for (const NumberField& number : fields) {
        const CWnd* pBox = page.GetDlgItem(number.nID);
        if (pBox && number.field.stored && IsHeld(pChunk, number.field) &&
            pBox->GetWindowText() != ReadFieldText(*pChunk, number.field)) {
            typed.push_back({&number.field, pBox->GetWindowText()});
        }
    }
    return typed;
}

void StoreNumberFields(CDialog& page, CChunk* pChunk, std::span<const NumberField> fields) {
    if (!page.HasInitialised()) {
        return;
    }
    // A refused text has shown its message; the members it stopped keep their last values.
    page.UpdateData(TRUE);
    for (const NumberField& number : fields) {
        if (number.field.stored && IsHeld(pChunk, number.field)) {
            WriteNumber(pChunk->Data(), pChunk->DataSize(), number.field, *number.pValue);
        }
    }
}
