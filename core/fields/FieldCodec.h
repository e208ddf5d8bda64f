#pragma once
// Reading a field's value from a payload and writing a typed value back, by the rules the pages
// show and store fields with. A payload may be shorter than its layout: a number is held only
// when all of its bytes are there, a text with as many bytes as are there. The same for a
// chunk's payload: core/chunks/ChunkFieldCodec.h.

#include <optional>

#include "core/fields/FieldEncoding.h"
#include "core/fields/FieldLayout.h"

// Whether the field is a number, decimal or hexadecimal.
inline bool IsNumeric(const FieldLayout& field) {
    return field.kind == FieldKind::Number || field.kind == FieldKind::HexNumber;
}

// Whether the field is a text of a fixed width: plain, a date or a time.
inline bool IsFixedWidthText(const FieldLayout& field) {
    return field.kind == FieldKind::FixedText || field.kind == FieldKind::Date ||
           field.kind == FieldKind::Time;
}

// What a number field says when its text is refused.
inline constexpr const char* kNumberRuleMessage = "Please enter a positive integer.";

// The payload bytes the field may use: its width, or what the payload holds of it; 0 when not
// held. A number is held whole or not at all.
DWORD HeldWidth(const FieldLayout& field, DWORD dwSize);
bool IsFieldHeld(const FieldLayout& field, DWORD dwSize);

// A number field's value, widened with zeros; 0 when the payload does not hold it.
DWORD ReadNumber(const BYTE* pPayload, DWORD dwSize, const FieldLayout& field);
// Stores the low bytes of dwValue when the payload holds the field.
void WriteNumber(BYTE* pPayload, DWORD dwSize, const FieldLayout& field, DWORD dwValue);

// The ways a multi-line text breaks its lines.
enum class LineBreak { CrLf, Lf, Cr };

// Every line break (CR LF, LF or CR alone) as CR LF.
CString WithCrLfLineBreaks(const CString& strText);
// Every line break (CR LF, LF or CR alone) as lineBreak.
CString WithLineBreaks(const CString& strText, LineBreak lineBreak);
// The style of the first line break in the bytes; CR LF when they hold none, as broadcast
// extension texts end their lines.
LineBreak LineBreakOf(const CString& strBytes);
// A text field's bytes: up to its first zero byte, at most its held width, trimmed of trailing
// white space where the field is.
CString ReadTextBytes(const BYTE* pPayload, DWORD dwSize, const FieldLayout& field);
// How the bytes show: as UTF-8, the line breaks of a multi-line field as CR LF.
CString ShownText(const FieldLayout& field, const CString& strBytes);
// The bytes an edited text is stored as: a multi-line field's breaks in the style of the bytes
// read (strRead), in the encoding they were read with where every character has a byte there.
CString EditedBytes(const FieldLayout& field, const CString& strText, const CString& strRead);
// Writes the bytes cut to the held width (never inside a UTF-8 character), zero-filled.
void WriteTextBytes(BYTE* pPayload, DWORD dwSize, const FieldLayout& field,
                    const CString& strBytes);
