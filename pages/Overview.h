#pragma once
// State the window sets from a load's result and its pages share, all on the window's thread.

#include "core/base/Types.h"

// The overview text of the open file: lines ended by "\r\n", sections separated by an empty line.
extern CString g_strOverview;
// Whether the file being shown has a bext chunk that was read.
extern BOOL g_bHasBext;
