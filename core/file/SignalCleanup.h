#pragma once
// Saves' temporary files removed when a signal ends the program during the saves, so that an
// interrupted save leaves no copy of up to the file's size behind. Several saves may run at once
// (the table saves on a pool of threads): each registers its own path and forgets it by the token
// it was given.

#include "core/base/Types.h"

// The signals whose default action ends the program and that a handler can catch. Those the
// program ignores (nohup's SIGHUP) stay ignored, and those it handles itself keep its handler.
extern const int kCleanupSignals[];
extern const std::size_t kCleanupSignalCount;

// From now until ForgetOnSignal(token), the signals above remove strPath before they end the
// program. The token is 0, and nothing is registered, when the path is too long or every slot is
// taken by saves in progress.
int RemoveOnSignal(const CString& strPath);
// Ends the registration of a token from RemoveOnSignal; 0 is no registration and is ignored.
void ForgetOnSignal(int nToken);
