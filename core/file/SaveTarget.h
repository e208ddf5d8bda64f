#pragma once
// The file a save writes. Another file than the loaded one is written under its name as chosen.
// The loaded file is never written while its samples are read from it: a temporary file in its
// folder takes the new contents and, once they are all on disk, replaces it with one rename.

#include "core/io/Mmio.h"

class CSaveTarget {
public:
    // strChosen: the path chosen for the save; strLoaded: the loaded file's path as opened.
    CSaveTarget(const CString& strChosen, const CString& strLoaded);
    // A target that was not finished holds an incomplete file: it is closed and removed.
    ~CSaveTarget();
    CSaveTarget(const CSaveTarget&) = delete;
    CSaveTarget& operator=(const CSaveTarget&) = delete;

    // Opens the file to write and empties it, but never the loaded file itself; a temporary file
    // gets the loaded file's permission bits.
    bool Open();
    // Flushes the file to disk, closes it and, for a replacement, renames it over the loaded
    // file.
    bool Finish();

    HMMIO Handle() const { return m_hmmio; }
    // The file written: the chosen one or the temporary one.
    const CString& Path() const { return m_strPath; }
    // What failed and why, for the user.
    const CString& Failure() const { return m_strFailure; }

    // The system's reason for error number nError (0: a write that came up short).
    static CString Reason(int nError);

private:
    bool Fail(const CString& strWhat);
    bool IsLoadedFile() const;
    bool TakeLoadedPermissions();

    CString m_strLoaded;
    CString m_strReplaced;  // the loaded file's own path for a replacement, else empty
    CString m_strPath;
    HMMIO m_hmmio = nullptr;
    bool m_bOurs = false;  // the file at m_strPath holds nothing to keep if the save fails
    CString m_strFailure;
};
