#include "core/file/SaveSource.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/io/FileLock.h"
#include "core/io/SaveJournal.h"

namespace {

constexpr char kChangedSinceLoad[] =
    " was changed or replaced by another program since it was opened; open it again before "
    "saving.";

}  // namespace

CString ChangedSinceLoad(const CString& strSaved, const CString& strLoaded) {
    return "Couldn't save " + strSaved + ":\r\n" + strLoaded + kChangedSinceLoad;
}

bool IsChangedSinceLoad(const CString& strFailure) {
    return strFailure.find(kChangedSinceLoad) != CString::npos;
}

CString NotLoaded(const CString& strSaved, const CString& strLoadFailure) {
    return "Couldn't save " + strSaved + ":\r\nits load failed (" + strLoadFailure +
           "); open it again before saving.";
}

CSaveSource::CSaveSource(const CString& strPath, const FileIdentity& loaded)
    : m_strPath(strPath), m_loaded(loaded) {}

CSaveSource::~CSaveSource() {
    if (m_hmmio != nullptr) {
        mmioClose(m_hmmio, 0);
    }
}

CString CSaveSource::Open(const CString& strSaved, bool bWritable) {
    errno = 0;
    m_hmmio = mmioOpen(m_strPath.c_str(), nullptr,
                       (bWritable ? MMIO_READWRITE : MMIO_READ) | MMIO_DENYNONE);
    if (m_hmmio == nullptr) {
        m_bChanged = errno == ENOENT;
        return m_bChanged ? ChangedSinceLoad(strSaved, m_strPath)
                          : "Couldn't open " + m_strPath + ":\r\n" + std::strerror(errno);
    }
    if (!LockFile(mmioDescriptor(m_hmmio), kSaveLockWait)) {
        return "Couldn't save " + strSaved + ":\r\n" + m_strPath +
               (errno == EWOULDBLOCK ? CString(" is busy: another Ovalis program is saving it; "
                                               "try again when it is done.")
                                     : " could not be locked: " + CString(std::strerror(errno)));
    }
    // The tree may have been loaded from a file that a save left half written; and under the
    // lock no other save is writing its journal now.
    struct stat status {};
    if (::lstat(JournalPath(m_strPath).c_str(), &status) == 0) {
        return "Couldn't save " + strSaved + ":\r\nan interrupted save of " + m_strPath +
               " is pending in " + JournalPath(m_strPath) +
               "; recover the file before saving it again.";
    }
    return CheckUnchanged(strSaved);
}

// Both the descriptor's file and the path's: the one read from must be the one loaded, and the
// one replaced must be it too.
CString CSaveSource::CheckUnchanged(const CString& strSaved) {
    m_bChanged = FileIdentityOfDescriptor(mmioDescriptor(m_hmmio)) != m_loaded ||
                 FileIdentityOf(m_strPath) != m_loaded;
    return m_bChanged ? ChangedSinceLoad(strSaved, m_strPath) : CString();
}
