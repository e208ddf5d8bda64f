#pragma once
// Numbers that a page shows from its chunk's payload, each through its field's layout. A field
// is used only when all of its bytes lie inside the data the chunk holds: a field the data does
// not reach is left empty and read-only on the page, is never exchanged, and nothing is stored
// into it.

#include <span>
#include <vector>

#include "core/edit/TypedValues.h"

#include "core/fields/FieldLayout.h"

class CChunk;
class CDataExchange;
class CDialog;

// A page member bound to its edit control and its field.
struct NumberField {
    DWORD* pValue;
    int nID;
    const FieldLayout& field;
};

// The field of that name in the table; a name the table lacks is a programming error.
const FieldLayout& FieldOf(const FieldTable& table, const char* pszName);

// Sets the member of every field held from the data.
void LoadNumberFields(const CChunk* pChunk, std::span<const NumberField> fields);
// Exchanges the fields held, in order: all are shown, the stored ones are taken back. The first
// refused text stops the exchange.
void ExchangeNumberFields(CDataExchange* pDX, const CChunk* pChunk,
                          std::span<const NumberField> fields);
// Makes the boxes of the fields not held read-only, then shows the fields.
void ShowNumberFields(CDialog& page, const CChunk* pChunk, std::span<const NumberField> fields);
// The text of each box of a stored field held whose text is not the number the field holds.
std::vector<TypedValue> TypedNumbers(const CDialog& page, const CChunk* pChunk,
                                     std::span<const NumberField> fields);
// Takes the values back from the page and stores the low bytes of every stored member into its
// field. A page never initialised stores nothing: its members do not hold the chunk's values.
void StoreNumberFields(CDialog& page, CChunk* pChunk, std::span<const NumberField> fields);
