#pragma once
// How the bytes of an 8-bit text field become text (UTF-8) and back. Bytes that are valid UTF-8
// (ASCII is) are read as UTF-8; any other bytes as Windows-1252 with every byte one character,
// so that every byte string comes back as it went in.

#include <cstddef>

#include "core/base/Types.h"

enum class FieldEncoding { Utf8, Windows1252 };

bool IsValidUtf8(const CString& strBytes);
// The length of the UTF-8 sequence that starts at index i (1 for ASCII), or 0 when none does: no
// overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(const CString& strText, std::size_t i);
// The encoding the bytes are read with.
FieldEncoding EncodingOf(const CString& strBytes);
// The field's text, as UTF-8.
CString DecodeFieldBytes(const CString& strBytes);
// The UTF-8 text in the encoding given when every character has a byte there, else in UTF-8.
CString EncodeFieldText(const CString& strText, FieldEncoding encoding);
// The bytes cut to at most nWidth; UTF-8 bytes are cut before a character, never inside one.
CString CutFieldBytes(const CString& strBytes, std::size_t nWidth);
