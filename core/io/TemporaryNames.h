#pragma once
// The names of a save's temporary files beside the file saved: "$$temp.wav" first, then names
// with a random part, which no set of files left behind or planted by others can all have taken.

#include <vector>

#include "core/base/Types.h"

// The nAttempt-th name to try (from 0) beside the file at strSaved.
CString TemporaryPath(const CString& strSaved, int nAttempt);
// The files of that pattern beside the file at strSaved (an interrupted save's, or an older
// version's "$$temp1.wav" ...), by name.
std::vector<CString> LeftOverTemporaries(const CString& strSaved);
