#include "core/file/SaveTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "core/file/SaveTargetAttributes.h"
#include "core/file/SignalCleanup.h"
#include "core/io/MmioSeam.h"
#include "core/io/TemporaryNames.h"

namespace fs = std::filesystem;

namespace {

constexpr DWORD kTemporaryFlags = MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATENEW;
constexpr int kTemporaryNames = 100;

// The file a path names, links followed, so that a save lands on that file and not on a link to
// it, and its temporary file lies on that file's file system.
CString RealPath(const CString& strPath) {
    std::error_code error;
    const fs::path real = fs::weakly_canonical(strPath, error);
    return error ? strPath : real.string();
}

// The loaded file's own name, under any spelling: not another name (a hard link) of that file.
bool IsItself(const CString& strChosen, const CString& strLoaded) {
    std::error_code error;
    return fs::equivalent(strChosen, strLoaded, error) &&
           RealPath(strChosen) == RealPath(strLoaded);
}

}  // namespace

CSaveTarget::CSaveTarget(const CString& strChosen, const CString& strLoaded, bool bMayTakeOver)
    : m_strLoaded(strLoaded),
      m_strChosen(strChosen),
      m_strReplaced(RealPath(strChosen)),
      m_bItself(IsItself(strChosen, strLoaded)),
      m_bMayTakeOver(bMayTakeOver),
      m_strPath(m_bItself ? TemporaryPath(m_strReplaced, 0) : strChosen) {}

CSaveTarget::~CSaveTarget() {
    if (m_hmmio != nullptr) {
        mmioClose(m_hmmio, 0);
    }
    if (m_bOurs) {
        std::error_code error;
        fs::remove(m_strTemporary, error);
    }
    ForgetOnSignal(m_nSignalToken);
}

CString CSaveTarget::Reason(int nError) {
    return nError != 0 ? CString(std::strerror(nError))
                       : CString("fewer bytes were written than asked (is the disk full?)");
}

bool CSaveTarget::Fail(const CString& strWhat) {
    m_strFailure = strWhat + ":\r\n" + Reason(errno);
    return false;
}

bool CSaveTarget::Open() {
    if (!MayReplace() || !CreateTemporary()) {
        return false;
    }
    if (IsLoadedFile()) {
        m_strFailure = "Couldn't save to " + m_strPath +
                       ":\r\nit is the loaded file, whose samples would be lost.";
        return false;
    }
    return TakeAttributes();
}

// A folder is no file to replace, nor is a file this user may not write: the loaded file is
// opened for reading only, so a save over it is where the user learns that it is read-only.
bool CSaveTarget::MayReplace() {
    std::error_code error;
    const fs::file_status status = fs::status(m_strReplaced, error);
    if (fs::is_directory(status)) {
        errno = EISDIR;
    } else if (!fs::exists(status) || ::access(m_strReplaced.c_str(), W_OK) == 0) {
        return true;
    } else if (m_bItself) {
        m_strFailure = "Couldn't save " + m_strReplaced + ":\r\nthe file is read-only (" +
                       Reason(errno) + ").";
        return false;
    }
    return Fail("Couldn't open " + m_strPath + " for writing");
}

// Created, never opened: a name that is taken, by a link too, is passed over, so that no other
// file can be written in its place.
bool CSaveTarget::CreateTemporary() {
    for (int i = 0; i < kTemporaryNames; ++i) {
        const CString strCandidate = TemporaryPath(m_strReplaced, i);
        if (m_bItself) {
            m_strPath = strCandidate;
        }
        errno = 0;
        m_hmmio = mmioOpen(strCandidate.c_str(), nullptr, kTemporaryFlags);
        if (m_hmmio != nullptr) {
            m_strTemporary = strCandidate;
            m_bOurs = true;
            m_nSignalToken = RemoveOnSignal(m_strTemporary);
            return true;
        }
        if (errno != EEXIST) {
            return Fail("Couldn't open " + m_strPath + " for writing");
        }
    }
    m_strFailure = "Couldn't find a free name for a temporary file beside " +
                   (m_bItself ? m_strLoaded : m_strChosen) + ".";
    return false;
}

// A loaded file that is gone is no file the target could be; a target that cannot be told from
// it is taken to be it.
bool CSaveTarget::IsLoadedFile() const {
    struct stat loaded {};
    struct stat target {};
    if (::stat(m_strLoaded.c_str(), &loaded) != 0) {
        return false;
    }
    if (mmioSystemCalls().fstat(mmioDescriptor(m_hmmio), &target) != 0) {
        return true;
    }
    return loaded.st_dev == target.st_dev && loaded.st_ino == target.st_ino;
}

// From the file replaced, or from the loaded file when the chosen name is new: a new file is
// this user's to own, a replaced one keeps its owner.
bool CSaveTarget::TakeAttributes() {
    std::error_code error;
    const bool bReplaces = fs::exists(m_strReplaced, error);
    const CString strFrom = bReplaces ? m_strReplaced : m_strLoaded;
    m_strFailure =
        ::TakeAttributes(strFrom, mmioDescriptor(m_hmmio), m_strPath, m_bMayTakeOver || !bReplaces);
    return m_strFailure.empty();
}

bool CSaveTarget::Finish(const std::function<CString()>& lastCheck) {
    errno = 0;
    if (mmioFlush(m_hmmio, 0) != 0) {
        return Fail("Couldn't write " + m_strPath + " to disk");
    }
    if (mmioClose(std::exchange(m_hmmio, nullptr), 0) != 0) {
        return Fail("Couldn't close " + m_strPath);
    }
    if (lastCheck) {
        m_strFailure = lastCheck();
        if (!m_strFailure.empty()) {
            return false;
        }
    }
    // Complete from here on: kept, whatever the rename does, so the new contents are not lost.
    m_bOurs = false;
    ForgetOnSignal(std::exchange(m_nSignalToken, 0));
    if (mmioRename(m_strTemporary.c_str(), m_strReplaced.c_str(), nullptr, 0) != 0) {
        m_strFailure = "Couldn't rename temporary file \r\n" +
                       fs::path(m_strTemporary).filename().string() + " to " +
                       (m_bItself ? m_strLoaded : m_strChosen) + "\r\n" + Reason(errno);
        return false;
    }
    return true;
}
