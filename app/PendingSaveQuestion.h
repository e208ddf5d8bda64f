#pragma once
// Before the window opens a file beside which an interrupted save is pending: the user is asked
// whether to finish it. Yes restores the file as its journal allows; no opens it as it is, and
// the window's save then refuses until the save is finished.

#include "core/base/Types.h"

void OfferToFinishInterruptedSave(const CString& strPath);
