#pragma once
// Dropped files, as a window that accepts them receives them: the full paths, however long.

#include <vector>

#include "framework/MessageMap.h"

struct DropInfo {
    std::vector<CString> files;
    bool bFinished = false;
};

constexpr UINT kDragQueryCount = 0xFFFFFFFF;

// With iFile kDragQueryCount: the number of files. Otherwise the length of file iFile's path
// without its terminator; with a buffer, also copies as much of the path as fits with a
// terminator and returns the number of characters copied. 0 for a file that is not there.
UINT DragQueryFile(HDROP hDrop, UINT iFile, char* lpszFile, UINT cch);
// Releases the drop: its files are gone afterwards.
void DragFinish(HDROP hDrop);
