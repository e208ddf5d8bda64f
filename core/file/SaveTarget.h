#pragma once
// The file a save writes. The new contents always go to a fresh temporary file beside the file
// they are to replace ("$$temp.wav", else a name with a random part), which takes that file's
// owner, permissions and extended attributes (or the loaded file's, for a new name) before a byte
// is in it and, once every byte is on disk, replaces it with one rename: a save that fails leaves
// every file as it was. The loaded file is never written while its samples are read from it.

#include <functional>

#include "core/io/Mmio.h"

class CSaveTarget {
public:
    // strChosen: the path chosen for the save; strLoaded: the loaded file's path as opened;
    // bMayTakeOver: a new file that cannot be given the replaced one's owner may keep this
    // user's instead (else the save is refused, see TakeAttributes).
    CSaveTarget(const CString& strChosen, const CString& strLoaded, bool bMayTakeOver = false);
    // A target that was not finished holds an incomplete file: it is closed and removed.
    ~CSaveTarget();
    CSaveTarget(const CSaveTarget&) = delete;
    CSaveTarget& operator=(const CSaveTarget&) = delete;

    // Creates the temporary file under the first free name and gives it its attributes. Until
    // the target is finished or gone, a signal that ends the program removes it.
    bool Open();
    // Flushes the file to disk, closes it and renames it over the chosen file, unless lastCheck
    // (run just before the rename) says why not.
    bool Finish(const std::function<CString()>& lastCheck = {});

    HMMIO Handle() const { return m_hmmio; }
    // The file named in messages: the temporary one for a save over the loaded file itself, else
    // the chosen one.
    const CString& Path() const { return m_strPath; }
    // What failed and why, for the user.
    const CString& Failure() const { return m_strFailure; }

    // The system's reason for error number nError (0: a write that came up short).
    static CString Reason(int nError);

private:
    bool Fail(const CString& strWhat);
    bool MayReplace();
    bool CreateTemporary();
    bool IsLoadedFile() const;
    bool TakeAttributes();

    CString m_strLoaded;
    CString m_strChosen;
    CString m_strReplaced;   // the file the rename replaces: the chosen one, links followed
    bool m_bItself = false;  // the chosen name is the loaded file's own
    bool m_bMayTakeOver = false;
    CString m_strTemporary;
    CString m_strPath;
    HMMIO m_hmmio = nullptr;
    bool m_bOurs = false;    // the temporary file holds nothing to keep if the save fails
    int m_nSignalToken = 0;  // the temporary file's registration for removal on a signal
    CString m_strFailure;
};
