#pragma once
// The fields ovalis-cli reads and edits, by name: those of the core's field tables, which the
// pages show and store as well. A name may stand in several tables (nChannels in both formats).

#include "core/base/Types.h"

// Whether some table has a field of this name.
bool IsKnownField(const CString& strName);
// Whether some table stores a field of this name.
bool IsStoredField(const CString& strName);
// Whether a field of this name is a decimal number, typed by the number rule.
bool IsNumberField(const CString& strName);
