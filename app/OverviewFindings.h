#pragma once
// The Overview's line on what the Check would find in the file as it lies on disk, from the
// rules that read its layout: the samples' checksum, which reads every sample, is left to the
// Check itself.

#include "core/base/Types.h"

// "The Check finds 1 error, 2 warnings, no notes: Check... lists them."; "" for a clean file.
CString FindingsLine(const CString& strPath);
