#pragma once
// A save's temporary file removed when SIGINT, SIGTERM or SIGHUP ends the program during the
// save, so that an interrupted save leaves no copy of up to the file's size behind. One file at a
// time: a program saves one file after the other.

#include "core/base/Types.h"

// From now until ForgetOnSignal, the three signals remove strPath before they take their course
// (the action the program had for them, by default the end of the program).
void RemoveOnSignal(const CString& strPath);
void ForgetOnSignal();
