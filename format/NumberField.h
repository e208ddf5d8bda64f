#pragma once
// Numbers that a page shows from fixed places in its chunk's data. A field is used only when all
// of its bytes lie inside the data the chunk holds: a field the data does not reach is left
// empty and read-only on the page, is never exchanged, and nothing is stored into it.

#include <span>

#include "core/base/Types.h"

class CChunk;
class CDataExchange;
class CDialog;

struct NumberFieldLayout {
    int nID;         // the edit control
    DWORD dwOffset;  // in the chunk's data
    DWORD dwWidth;   // bytes, little-endian: 2 or 4
    bool bReadOnly;  // shown, but never taken back nor stored
};

// A page member bound to the place of its field.
struct NumberField {
    DWORD* pValue;
    NumberFieldLayout layout;
};

// Whether the chunk's data holds every byte of the field; never with a null chunk.
bool IsFieldHeld(const CChunk* pChunk, const NumberFieldLayout& layout);
// The field's bytes as a number, widened with zeros; 0 when the data does not hold it.
DWORD LoadNumber(const CChunk* pChunk, const NumberFieldLayout& layout);

// Sets the member of every field held from the data.
void LoadNumberFields(const CChunk* pChunk, std::span<const NumberField> fields);
// Exchanges the fields held, in order: all are shown, the editable ones are taken back. The
// first refused text stops the exchange.
void ExchangeNumberFields(CDataExchange* pDX, const CChunk* pChunk,
                          std::span<const NumberField> fields);
// Makes the boxes of the fields not held read-only, then shows the fields.
void ShowNumberFields(CDialog& page, const CChunk* pChunk, std::span<const NumberField> fields);
// Takes the values back from the page and stores the low bytes of every editable member into its
// field. A page never initialised stores nothing: its members do not hold the chunk's values.
void StoreNumberFields(CDialog& page, CChunk* pChunk, std::span<const NumberField> fields);
