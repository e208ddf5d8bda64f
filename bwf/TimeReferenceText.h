#pragma once
// The bext page's read-only text beside its two hex boxes: the time reference as a sample
// count, a clock time at the file's rate and timecode.

#include "core/base/Types.h"

class CChunk;
class CWnd;

inline constexpr int IDC_TIME_REFERENCE_TEXT = 1101;

// One labelled value a line, "Samples: 2190940753", "Clock: 12:40:44.599", "TC: 12:39:59:00",
// then the rate's note.
CString TimeReferenceText(const CChunk& bext);
void ShowTimeReference(CWnd& page, const CChunk* pBext);
