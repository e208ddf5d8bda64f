#pragma once
// The loaded file as a save's source: opened once, locked against Ovalis's other writers, and
// checked to be the very file that was loaded, unchanged. Every byte the save copies is read
// through this one descriptor, so a file put in its place by name is never read instead.

#include "core/io/FileIdentity.h"
#include "core/io/Mmio.h"

class CSaveSource {
public:
    CSaveSource(const CString& strPath, const FileIdentity& loaded);
    // Closing releases the lock.
    ~CSaveSource();
    CSaveSource(const CSaveSource&) = delete;
    CSaveSource& operator=(const CSaveSource&) = delete;

    // Opens and locks the file, then checks it: unchanged, and no interrupted save pending
    // beside it; bWritable opens it for writing in place too. Empty on success, else why not,
    // for the user.
    CString Open(const CString& strSaved, bool bWritable = false);
    // Empty while the path still names the loaded file as it was loaded; else the message.
    CString CheckUnchanged(const CString& strSaved);
    // TRUE when the last failure was that another program changed or replaced the file.
    bool FoundChange() const { return m_bChanged; }

    HMMIO Handle() const { return m_hmmio; }

private:
    CString m_strPath;
    FileIdentity m_loaded;
    HMMIO m_hmmio = nullptr;
    bool m_bChanged = false;
};

// "... was changed or replaced by another program since it was opened ...".
CString ChangedSinceLoad(const CString& strSaved, const CString& strLoaded);
// Whether a save's failure is the one ChangedSinceLoad says.
bool IsChangedSinceLoad(const CString& strFailure);
// Why a tree whose load failed is not saved: it may lack what the file holds.
CString NotLoaded(const CString& strSaved, const CString& strLoadFailure);
