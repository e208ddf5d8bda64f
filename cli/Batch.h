#pragma once
// A command over many files, one after the other: each file's output comes in file order, its
// failure named on standard error right after it.

#include <functional>
#include <vector>

#include "core/base/Types.h"

// Does the work for one file, writing its output; returns why the file failed, or empty.
using FileWork = std::function<CString(const CString& strPath)>;

// Runs work for every file in order, naming each failure on standard error, with a progress
// line for a long batch. Returns kExitDone, or kExitSomeFailed when a file failed.
int RunBatch(const std::vector<CString>& files, const FileWork& work);
