#include "core/file/SaveTarget.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr DWORD kExistingFlags = MMIO_READWRITE | MMIO_DENYNONE;
constexpr DWORD kCreateFlags = MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATE;
constexpr DWORD kLoadedFlags = MMIO_READ | MMIO_DENYNONE;
constexpr int kTemporaryNames = 100;

bool IsSameFile(const fs::path& first, const fs::path& second) {
    std::error_code error;
    return fs::equivalent(first, second, error);
}

// The file the loaded path names, links followed, so that a replacement lands on that file and
// not on a link to it, and its temporary file lies on that file's file system.
CString RealPath(const CString& strPath) {
    std::error_code error;
    const fs::path real = fs::weakly_canonical(strPath, error);
    return error ? strPath : real.string();
}

// "$$temp.wav", or "$$temp1.wav" and so on where that name is taken by the loaded file itself or
// by something that is not a plain file (a link would carry the new contents elsewhere). Empty
// when no name is free.
CString TemporaryPath(const CString& strReplaced) {
    const fs::path folder = fs::path(strReplaced).parent_path();
    for (int i = 0; i < kTemporaryNames; ++i) {
        const std::string name = i == 0 ? "$$temp.wav" : "$$temp" + std::to_string(i) + ".wav";
        const fs::path candidate = folder / name;
        std::error_code error;
        const fs::file_status status = fs::symlink_status(candidate, error);
        if (!fs::exists(status) ||
            (fs::is_regular_file(status) && !IsSameFile(candidate, strReplaced))) {
            return candidate.string();
        }
    }
    return CString();
}

}  // namespace

CSaveTarget::CSaveTarget(const CString& strChosen, const CString& strLoaded)
    : m_strLoaded(strLoaded), m_strPath(strChosen) {
    if (IsSameFile(strChosen, strLoaded)) {
        m_strReplaced = RealPath(strLoaded);
        m_strPath = TemporaryPath(m_strReplaced);
    }
}

CSaveTarget::~CSaveTarget() {
    if (m_hmmio != nullptr) {
        mmioClose(m_hmmio, 0);
    }
    if (m_bOurs) {
        std::error_code error;
        fs::remove(m_strPath, error);
    }
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
    if (m_strPath.empty()) {
        m_strFailure = "Couldn't find a free name for a temporary file beside " + m_strLoaded + ".";
        return false;
    }
    // Opened without emptying it first: should the file be the loaded one after all, emptying
    // it would lose the samples that are still to be copied from it.
    errno = 0;
    m_hmmio = mmioOpen(m_strPath.c_str(), nullptr, kExistingFlags);
    if (m_hmmio == nullptr && errno == ENOENT) {
        m_hmmio = mmioOpen(m_strPath.c_str(), nullptr, kCreateFlags);
        m_bOurs = m_hmmio != nullptr;
    }
    if (m_hmmio == nullptr) {
        return Fail("Couldn't open " + m_strPath + " for writing");
    }
    if (IsLoadedFile()) {
        m_strFailure = "Couldn't save to " + m_strPath +
                       ":\r\nit is the loaded file, whose samples would be lost.";
        return false;
    }
    errno = 0;
    if (mmioTruncate(m_hmmio) != 0) {
        return Fail("Couldn't empty " + m_strPath);
    }
    m_bOurs = true;
    // Before any byte is in it, so that a private file's contents are never open to others.
    return m_strReplaced.empty() || TakeLoadedPermissions();
}

// A loaded file that cannot be opened any more is no file the target could be.
bool CSaveTarget::IsLoadedFile() const {
    HMMIO hmmioLoaded = mmioOpen(m_strLoaded.c_str(), nullptr, kLoadedFlags);
    if (hmmioLoaded == nullptr) {
        return false;
    }
    const BOOL bSame = mmioSameFile(hmmioLoaded, m_hmmio);
    mmioClose(hmmioLoaded, 0);
    return bSame != FALSE;
}

bool CSaveTarget::TakeLoadedPermissions() {
    struct stat loaded {};
    if (::stat(m_strReplaced.c_str(), &loaded) != 0) {
        return Fail("Couldn't read the permissions of " + m_strLoaded);
    }
    if (::chmod(m_strPath.c_str(), loaded.st_mode & 07777) != 0) {
        return Fail("Couldn't give " + m_strPath + " the permissions of " + m_strLoaded);
    }
    return true;
}

bool CSaveTarget::Finish() {
    errno = 0;
    if (mmioFlush(m_hmmio, 0) != 0) {
        return Fail("Couldn't write " + m_strPath + " to disk");
    }
    if (mmioClose(std::exchange(m_hmmio, nullptr), 0) != 0) {
        return Fail("Couldn't close " + m_strPath);
    }
    if (m_strReplaced.empty()) {
        m_bOurs = false;
        return true;
    }
    // Complete from here on: kept, whatever the rename does, so the new contents are not lost.
    m_bOurs = false;
    if (mmioRename(m_strPath.c_str(), m_strReplaced.c_str(), nullptr, 0) != 0) {
        m_strFailure = "Couldn't rename temporary file \r\n" +
                       fs::path(m_strPath).filename().string() + " to " + m_strLoaded + "\r\n" +
                       Reason(errno);
        return false;
    }
    return true;
}
