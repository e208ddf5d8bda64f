#pragma once
// Why a file did not load. Loading reports only that it failed; this names the cause and the
// place, from the file itself and the chunks that were read before the walk stopped.

#include "core/base/Types.h"

class CRiffChunk;

// Empty when the file loaded with at least one chunk, as the window shows it; otherwise the
// reason, such as "chunk 'data' at offset 36 declares 88200 bytes but only 100 follow".
CString ExplainLoadFailure(const CString& strPath, const CRiffChunk& root, BOOL bLoaded);
