#include "core/io/SaveJournal.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/io/FileAt.h"
#include "core/io/MmioSeam.h"

namespace {

// The folder's entry of the journal on disk too, so that a crash can neither lose the journal's
// name nor bring back a removed one. FALSE when the folder could not be flushed.
bool FlushFolder(const CString& strPath) {
    const std::filesystem::path folder = std::filesystem::path(strPath).parent_path();
    MmioSystemCalls& calls = mmioSystemCalls();
    const int fd =
        calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const bool bFlushed = calls.fsync(fd) == 0;
    calls.close(fd);
    return bFlushed;
}

CString Failed(const CString& strJournal, const char* pszCall) {
    return "Couldn't write the journal " + strJournal + " (" + pszCall +
           "): " + std::strerror(errno);
}

}  // namespace

CString JournalPath(const CString& strPath) {
    return strPath + ".ovalis-journal";
}

CString WriteJournal(const CString& strPath, const JournalRecord& record) {
    const CString strJournal = JournalPath(strPath);
    MmioSystemCalls& calls = mmioSystemCalls();
    const int fd =
        calls.open(strJournal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == EEXIST ? "an interrupted save is pending in " + strJournal +
                                     "; recover the file before saving it again"
                               : Failed(strJournal, "open");
    }
    CString strFailure;
    if (!WriteAt(fd, 0, EncodeJournal(record))) {
        strFailure = Failed(strJournal, "write");
    } else if (calls.fsync(fd) != 0) {
        strFailure = Failed(strJournal, "fsync");
    }
    if (calls.close(fd) != 0 && strFailure.empty()) {
        strFailure = Failed(strJournal, "close");
    }
    if (strFailure.empty() && !FlushFolder(strPath)) {
        strFailure = Failed(strJournal, "fsync of its folder");
    }
    if (!strFailure.empty()) {
        calls.unlink(strJournal.c_str());
    }
    return strFailure;
}

bool RemoveJournal(const CString& strPath) {
    if (mmioSystemCalls().unlink(JournalPath(strPath).c_str()) != 0 && errno != ENOENT) {
        return false;
    }
    // Once the name is gone, a failed flush of the folder can at worst bring the journal back
    // after a crash: it then finds the file as the save left it and only goes away.
    FlushFolder(strPath);
    return true;
}

JournalFile ReadJournalFile(const CString& strJournal) {
    JournalFile file;
    struct stat status {};
    if (::lstat(strJournal.c_str(), &status) != 0) {
        file.bExists = errno != ENOENT;
        file.strProblem = std::strerror(errno);
        return file;
    }
    file.bExists = true;
    file.owner = status.st_uid;
    if (!S_ISREG(status.st_mode)) {
        file.strProblem = "it is not a regular file";
        return file;
    }
    if (status.st_size > kLargestJournal) {
        file.strProblem = "it is " + std::to_string(status.st_size) +
                          " bytes, more than any journal a save writes (" +
                          std::to_string(kLargestJournal) + "); it was not read";
        return file;
    }
    MmioSystemCalls& calls = mmioSystemCalls();
    const int fd =
        calls.open(strJournal.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
    struct stat opened {};
    if (fd < 0 || calls.fstat(fd, &opened) != 0) {
        file.strProblem = "it cannot be read: " + CString(std::strerror(errno));
    } else if (opened.st_ino != status.st_ino || opened.st_size > kLargestJournal) {
        file.strProblem = "it was replaced while it was read";
    } else if (std::optional<CString> text =
                   ReadAt(fd, 0, static_cast<std::size_t>(opened.st_size))) {
        file.strText = std::move(*text);
    } else {
        file.strProblem = "it cannot be read: " + CString(std::strerror(errno));
    }
    if (fd >= 0) {
        calls.close(fd);
    }
    return file;
}
