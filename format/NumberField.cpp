#include "format/NumberField.h"

#include "framework/Dialog.h"
#include "model/Chunk.h"
#include "core/fields/PayloadField.h"

bool IsFieldHeld(const CChunk* pChunk, const NumberFieldLayout& layout) {
    return pChunk && pChunk->Data() &&
           FieldFitsPayload(pChunk->DataSize(), layout.dwOffset, layout.dwWidth);
}

DWORD LoadNumber(const CChunk* pChunk, const NumberFieldLayout& layout) {
    DWORD dwValue = 0;
    if (IsFieldHeld(pChunk, layout)) {
        AddLittleEndian(&dwValue, pChunk->Data() + layout.dwOffset,
                        static_cast<int>(layout.dwWidth));
    }
    return dwValue;
}

void LoadNumberFields(const CChunk* pChunk, std::span<const NumberField> fields) {
    for (const NumberField& field : fields) {
        if (IsFieldHeld(pChunk, field.layout)) {
            *field.pValue = LoadNumber(pChunk, field.layout);
        }
    }
}

void ExchangeNumberFields(CDataExchange* pDX, const CChunk* pChunk,
                          std::span<const NumberField> fields) {
    for (const NumberField& field : fields) {
        if (pDX->HasFailed()) {
            return;
        }
        const bool bShownOnly = field.layout.bReadOnly && pDX->m_bSaveAndValidate;
        if (IsFieldHeld(pChunk, field.layout) && !bShownOnly) {
            DDX_Text(pDX, field.layout.nID, *field.pValue);
        }
    }
}

void ShowNumberFields(CDialog& page, const CChunk* pChunk, std::span<const NumberField> fields) {
    for (const NumberField& field : fields) {
        CWnd* pBox = page.GetDlgItem(field.layout.nID);
        if (pBox && !IsFieldHeld(pChunk, field.layout)) {
            pBox->SetReadOnly(TRUE);
        }
    }
    page.UpdateData(FALSE);
}

void StoreNumberFields(CDialog& page, CChunk* pChunk, std::span<const NumberField> fields) {
    if (!page.HasInitialised()) {
        return;
    }
    // A refused text has shown its message; the members it stopped keep their last values.
    page.UpdateData(TRUE);
    for (const NumberField& field : fields) {
        if (!field.layout.bReadOnly && IsFieldHeld(pChunk, field.layout)) {
            StoreLittleEndian(field.pValue, pChunk->Data() + field.layout.dwOffset,
                              static_cast<int>(field.layout.dwWidth));
        }
    }
}
