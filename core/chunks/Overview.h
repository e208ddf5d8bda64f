#pragma once
// State that loading resets and the pages share.

#include "core/base/Types.h"

// The overview text of the open file: lines ended by "\r\n", sections separated by an empty line.
extern CString g_strOverview;
// Whether the file being shown has a bext chunk that was read.
extern BOOL g_bHasBext;
