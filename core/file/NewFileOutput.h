#pragma once
// A new file made under a name the user gave: written to a temporary file beside that name and
// put in place only once complete, only where nothing is, or over a regular file when the user
// asked for that. Nothing the user's name points at is ever opened, truncated or removed: a
// folder, a device, a FIFO, a socket or a link there is refused.

#include <cstddef>

#include "core/base/Types.h"

// Why a new file may not be put at strPath, or empty. bReplace allows a regular file there.
CString NewFileProblem(const CString& strPath, bool bReplace);

class CNewFileOutput {
public:
    CNewFileOutput(const CString& strPath, bool bReplace);
    // Removes the temporary file unless it was put in place.
    ~CNewFileOutput();
    CNewFileOutput(const CNewFileOutput&) = delete;
    CNewFileOutput& operator=(const CNewFileOutput&) = delete;

    // Checks the name and creates the temporary file: empty, or why not.
    CString Open();
    // All the bytes, or false with the reason kept for Failure.
    bool Write(const char* pBytes, std::size_t nBytes);
    // Why the last write failed.
    CString Failure() const;
    // Makes the bytes durable and puts the file at its name: empty, or why not (and then the
    // temporary file is gone and whatever the name held is as it was).
    CString Place();

private:
    CString Fail(const CString& strWhat, int nError);
    CString Link();

    CString m_strPath;
    bool m_bReplace;
    CString m_strTemporary;
    // The signal cleanup's registration of the temporary file, 0 when there is none.
    int m_nSignalToken = 0;
    int m_fd = -1;
    int m_nWriteError = 0;
};
