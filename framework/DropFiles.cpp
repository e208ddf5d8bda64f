#include "framework/DropFiles.h"

#include <algorithm>
#include <cstring>

UINT DragQueryFile(HDROP hDrop, UINT iFile, char* lpszFile, UINT cch) {
    if (!hDrop || hDrop->bFinished) {
        return 0;
    }
    if (iFile == kDragQueryCount) {
        return static_cast<UINT>(hDrop->files.size());
    }
    if (iFile >= hDrop->files.size()) {
        return 0;
    }
    const CString& strPath = hDrop->files[iFile];
    if (!lpszFile || cch == 0) {
        return static_cast<UINT>(strPath.size());
    }
    const std::size_t nCopied = std::min<std::size_t>(strPath.size(), cch - 1);
    std::memcpy(lpszFile, strPath.data(), nCopied);
    lpszFile[nCopied] = '\0';
    return static_cast<UINT>(nCopied);
}

void DragFinish(HDROP hDrop) {
    if (hDrop) {
        hDrop->files.clear();
        hDrop->bFinished = true;
    }
}
