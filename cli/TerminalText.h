#pragma once
// Text from a file (a name, a description) printed to a terminal: control characters other than
// line breaks and tabs are escaped, so that no text can move the cursor, retitle or recolour the
// terminal. C0 controls and DEL read \xNN, C1 controls (U+0080 to U+009F) \u00NN.

#include "core/base/Types.h"

CString WithControlsEscaped(const CString& strText);
