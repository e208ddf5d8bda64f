#pragma once
// Text from a file (a name, a description) printed to a terminal: control characters other than
// line breaks and tabs are escaped, so that no text can move the cursor, retitle or recolour the
// terminal. C0 controls and DEL read \xNN, C1 controls (U+0080 to U+009F) \u00NN, and a byte of
// 0x80 to 0x9F that is not part of a UTF-8 sequence, which an 8-bit terminal takes as C1, \xNN.
// Bidirectional controls (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069), which
// reorder the text around them, read \uNNNN too.

#include "core/base/Types.h"

CString WithControlsEscaped(const CString& strText);

// Writes the text to standard output with its control characters escaped.
void PrintText(const CString& strText);
