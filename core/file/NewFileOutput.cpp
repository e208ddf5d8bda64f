#include "core/file/NewFileOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/file/SignalCleanup.h"
#include "core/io/MmioSeam.h"
#include "core/io/TemporaryNames.h"

namespace {

constexpr int kTemporaryNames = 100;
// Exclusive: a name taken by anything, a link included, is left alone and the next one tried.
constexpr int kTemporaryFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

CString KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISLNK(mode)) {
        return "a symbolic link";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a regular file";
}

CString Reason(int nError) {
    return nError != 0 ? CString(std::strerror(nError))
                       : CString("fewer bytes were written than asked (is the disk full?)");
}

}  // namespace

CString NewFileProblem(const CString& strPath, bool bReplace) {
    struct stat status {};
    if (::lstat(strPath.c_str(), &status) != 0) {
        return errno == ENOENT ? CString()
                               : "the output " + strPath + " cannot be examined: " + Reason(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return "the output " + strPath + " is " + KindOf(status.st_mode) + "; name a new file";
    }
    return bReplace ? CString() : "the output " + strPath + " exists; --force replaces it";
}

CNewFileOutput::CNewFileOutput(const CString& strPath, bool bReplace)
    : m_strPath(strPath), m_bReplace(bReplace) {}

CNewFileOutput::~CNewFileOutput() {
    if (m_fd >= 0) {
        mmioSystemCalls().close(m_fd);
    }
    if (!m_strTemporary.empty()) {
        mmioSystemCalls().unlink(m_strTemporary.c_str());
        ForgetOnSignal(m_nSignalToken);
    }
}

CString CNewFileOutput::Open() {
    if (CString strProblem = NewFileProblem(m_strPath, m_bReplace); !strProblem.empty()) {
        return strProblem;
    }
    for (int i = 0; i < kTemporaryNames; ++i) {
        const CString strCandidate = TemporaryPath(m_strPath, i);
        m_fd = mmioSystemCalls().open(strCandidate.c_str(), kTemporaryFlags, 0666);
        if (m_fd >= 0) {
            m_strTemporary = strCandidate;
            m_nSignalToken = RemoveOnSignal(m_strTemporary);
            return CString();
        }
        if (errno != EEXIST) {
            return "couldn't create a temporary file beside " + m_strPath + ": " + Reason(errno);
        }
    }
    return "couldn't find a free name for a temporary file beside " + m_strPath;
}

bool CNewFileOutput::Write(const char* pBytes, std::size_t nBytes) {
    while (nBytes > 0) {
        const ssize_t n = mmioSystemCalls().write(m_fd, pBytes, nBytes);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_nWriteError = n < 0 ? errno : 0;
            return false;
        }
        pBytes += n;
        nBytes -= static_cast<std::size_t>(n);
    }
    return true;
}

CString CNewFileOutput::Failure() const {
    return Reason(m_nWriteError);
}

CString CNewFileOutput::Place() {
    if (mmioSystemCalls().fsync(m_fd) != 0) {
        return Fail("couldn't write " + m_strPath, errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (mmioSystemCalls().close(fd) != 0) {
        return Fail("couldn't write " + m_strPath, errno);
    }
    // Looked at again: something may have taken the name while the file was written.
    if (CString strProblem = NewFileProblem(m_strPath, m_bReplace); !strProblem.empty()) {
        return strProblem;
    }
    if (CString strFailure = Link(); !strFailure.empty()) {
        return strFailure;
    }
    ForgetOnSignal(m_nSignalToken);
    m_nSignalToken = 0;
    m_strTemporary.clear();
    return CString();
}

CString CNewFileOutput::Fail(const CString& strWhat, int nError) {
    return strWhat + ": " + Reason(nError);
}

// Without --force the name is taken only where nothing is, in one step that fails when anything
// appeared there; with it a regular file there is replaced in one step.
CString CNewFileOutput::Link() {
    if (m_bReplace) {
        return mmioSystemCalls().rename(m_strTemporary.c_str(), m_strPath.c_str()) == 0
                   ? CString()
                   : Fail("couldn't put the new file at " + m_strPath, errno);
    }
    if (::renameat2(AT_FDCWD, m_strTemporary.c_str(), AT_FDCWD, m_strPath.c_str(),
                    RENAME_NOREPLACE) == 0) {
        return CString();
    }
    // A file system that cannot rename without replacing can still make a second name, which
    // fails as well when the name is taken.
    if ((errno == EINVAL || errno == ENOSYS) &&
        ::link(m_strTemporary.c_str(), m_strPath.c_str()) == 0) {
        mmioSystemCalls().unlink(m_strTemporary.c_str());
        return CString();
    }
    return errno == EEXIST
               ? "the output " + m_strPath + " appeared while it was written; name a new file"
               : Fail("couldn't put the new file at " + m_strPath, errno);
}
