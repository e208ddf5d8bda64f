#pragma once
// The field codec on a chunk's payload: a field's value read from the chunk and a typed value
// written back, by the same rules as on a payload (core/fields/FieldCodec.h).

#include <optional>

#include "core/fields/FieldCodec.h"

class CChunk;

bool IsFieldHeld(const CChunk& chunk, const FieldLayout& field);
// A number field's value, widened with zeros; 0 when the payload does not hold it.
DWORD ReadNumber(const CChunk& chunk, const FieldLayout& field);
// The field as shown; nothing when the payload does not hold it.
std::optional<CString> ReadFieldText(const CChunk& chunk, const FieldLayout& field);
// Stores a typed value into a field that is stored and held: a text the same as the one shown
// leaves every byte of the field as it was (white space and bytes after its first zero too),
// any other is stored as edited; a number by the number rule. Empty on success, else why the
// value was refused (the payload is then untouched).
CString WriteFieldText(CChunk& chunk, const FieldLayout& field, const CString& strTyped);
