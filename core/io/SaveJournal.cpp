#include "core/io/SaveJournal.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/io/FileLock.h"
#include "core/io/MmioSeam.h"

namespace {

// The first journals held one size; a save that also changes the file's size keeps both.
constexpr char kMagic[] = "OVALISJ2";
constexpr char kSameSizeMagic[] = "OVALISJ1";
constexpr std::size_t kMagicSize = 8;
constexpr std::int64_t kLargestJournal = std::int64_t{1} << 31;

void Append(CString& strOut, std::uint64_t value, int nBytes) {
    for (int i = 0; i < nBytes; ++i) {
        strOut += static_cast<char>(value >> (8 * i));
    }
}

std::uint64_t Checksum(const char* p, std::size_t n) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < n; ++i) {
        hash = (hash ^ static_cast<unsigned char>(p[i])) * 1099511628211ULL;
    }
    return hash;
}

// Magic, file size before and after the save, count, then offset, length and bytes of each
// range, and a checksum over all of it: a journal cut short by a crash fails the checksum and is
// known to be incomplete.
CString Encode(std::int64_t fileSize, std::int64_t newSize, const std::vector<FileBytes>& ranges) {
    CString strOut(kMagic, kMagicSize);
    Append(strOut, static_cast<std::uint64_t>(fileSize), 8);
    Append(strOut, static_cast<std::uint64_t>(newSize), 8);
    Append(strOut, ranges.size(), 4);
    for (const FileBytes& range : ranges) {
        Append(strOut, static_cast<std::uint64_t>(range.offset), 8);
        Append(strOut, range.bytes.size(), 4);
        strOut += range.bytes;
    }
    Append(strOut, Checksum(strOut.data(), strOut.size()), 8);
    return strOut;
}

class Reader {
public:
    explicit Reader(const CString& strText) : m_text(strText) {}
    std::optional<std::uint64_t> Number(int nBytes) {
        if (m_text.size() - m_pos < static_cast<std::size_t>(nBytes)) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (int i = 0; i < nBytes; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(m_text[m_pos++])} << (8 * i);
        }
        return value;
    }
    std::optional<CString> Bytes(std::uint64_t n) {
        if (m_text.size() - m_pos < n) {
            return std::nullopt;
        }
        m_pos += n;
        return m_text.substr(m_pos - n, n);
    }
    std::size_t Position() const { return m_pos; }

private:
    const CString& m_text;
    std::size_t m_pos = 0;
};

struct Journal {
    std::int64_t fileSize = 0;
    std::int64_t newSize = 0;
    std::vector<FileBytes> ranges;
};

// Nothing when the journal is incomplete or damaged.
std::optional<Journal> Decode(const CString& strText) {
    const bool bSameSize =
        strText.size() >= kMagicSize && strText.compare(0, kMagicSize, kSameSizeMagic) == 0;
    if (strText.size() < kMagicSize + 8 ||
        (!bSameSize && strText.compare(0, kMagicSize, kMagic) != 0)) {
        return std::nullopt;
    }
    Reader reader(strText);
    reader.Bytes(kMagicSize);
    Journal journal;
    const auto size = reader.Number(8);
    const auto newSize = bSameSize ? size : reader.Number(8);
    const auto count = reader.Number(4);
    for (std::uint64_t i = 0; size && count && i < *count; ++i) {
        const auto offset = reader.Number(8);
        const auto length = reader.Number(4);
        const auto bytes = length ? reader.Bytes(*length) : std::nullopt;
        if (!offset || !bytes) {
            return std::nullopt;
        }
        journal.ranges.push_back({static_cast<std::int64_t>(*offset), *bytes});
    }
    const std::size_t nCovered = reader.Position();
    const auto checksum = reader.Number(8);
    if (!size || !newSize || !count || !checksum ||
        *checksum != Checksum(strText.data(), nCovered) || reader.Position() != strText.size()) {
        return std::nullopt;
    }
    journal.fileSize = static_cast<std::int64_t>(*size);
    journal.newSize = static_cast<std::int64_t>(*newSize);
    return journal;
}

std::optional<CString> ReadWhole(const CString& strPath) {
    HMMIO hmmio = mmioOpen(strPath.c_str(), nullptr, MMIO_READ | MMIO_DENYNONE);
    if (hmmio == nullptr) {
        return std::nullopt;
    }
    const std::int64_t size = mmioFileSize(hmmio);
    std::optional<CString> text;
    if (size >= 0 && size < kLargestJournal) {
        CString strBytes(static_cast<std::size_t>(size), '\0');
        if (mmioRead(hmmio, strBytes.data(), static_cast<LONG>(size)) == size) {
            text = std::move(strBytes);
        }
    }
    mmioClose(hmmio, 0);
    return text;
}

// The folder's entry of the journal on disk too, so a crash cannot lose the journal's name.
void FlushFolder(const CString& strPath) {
    const std::filesystem::path folder = std::filesystem::path(strPath).parent_path();
    HMMIO hmmio = mmioOpen(folder.empty() ? "." : folder.c_str(), nullptr, MMIO_READ);
    if (hmmio != nullptr) {
        mmioFlush(hmmio, 0);
        mmioClose(hmmio, 0);
    }
}

CString RollBack(const CString& strPath, HMMIO hmmioFile) {
    const CString strJournal = JournalPath(strPath);
    const std::optional<CString> text = ReadWhole(strJournal);
    if (!text) {
        return "a journal of an interrupted save lies beside it (" + strJournal +
               ") but cannot be read: " + std::strerror(errno);
    }
    const std::optional<Journal> journal = Decode(*text);
    if (!journal) {
        // Incomplete: the save stopped before its first change to the file.
        return RemoveJournal(strPath) ? "an interrupted save had not changed it yet; its "
                                        "incomplete journal " +
                                            strJournal + " was removed"
                                      : "the incomplete journal " + strJournal +
                                            " of an interrupted save cannot be removed";
    }
    // The save may have stopped anywhere between the old size and the new one.
    const std::int64_t size = mmioFileSize(hmmioFile);
    if (size < std::min(journal->fileSize, journal->newSize) ||
        size > std::max(journal->fileSize, journal->newSize)) {
        return "the journal " + strJournal + " of an interrupted save does not fit the file (" +
               std::to_string(journal->fileSize) + " bytes journalled, " + std::to_string(size) +
               " in the file); both left as they are";
    }
    if ((size != journal->fileSize && mmioSetSize(hmmioFile, journal->fileSize) != 0) ||
        !WriteRanges(hmmioFile, journal->ranges) || !RemoveJournal(strPath)) {
        return "the interrupted save recorded in " + strJournal +
               " could not be rolled back: " + std::strerror(errno);
    }
    return "an interrupted save was rolled back from " + strJournal +
           ": the file is as it was before that save";
}

}  // namespace

CString JournalPath(const CString& strPath) {
    return strPath + ".ovalis-journal";
}

CString WriteJournal(const CString& strPath, HMMIO hmmioFile, const std::vector<FileBytes>& old,
                     std::int64_t newSize) {
    const CString strJournal = JournalPath(strPath);
    errno = 0;
    HMMIO hmmio =
        mmioOpen(strJournal.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATENEW);
    if (hmmio == nullptr) {
        return errno == EEXIST
                   ? "the journal " + strJournal +
                         " of an interrupted save lies beside it; open the file "
                         "again to roll that save back"
                   : "Couldn't create the journal " + strJournal + ": " + std::strerror(errno);
    }
    const std::int64_t size = mmioFileSize(hmmioFile);
    const CString strBytes = Encode(size, newSize < 0 ? size : newSize, old);
    const auto nBytes = static_cast<LONG>(strBytes.size());
    const bool bWritten =
        mmioWrite(hmmio, strBytes.data(), nBytes) == nBytes && mmioFlush(hmmio, 0) == 0;
    const bool bClosed = mmioClose(hmmio, 0) == 0;
    if (!bWritten || !bClosed) {
        const CString strReason = errno != 0 ? std::strerror(errno) : "the disk may be full";
        RemoveJournal(strPath);
        return "Couldn't write the journal " + strJournal + ": " + strReason;
    }
    FlushFolder(strPath);
    return CString();
}

bool RemoveJournal(const CString& strPath) {
    return mmioSystemCalls().unlink(JournalPath(strPath).c_str()) == 0 || errno == ENOENT;
}

bool WriteRanges(HMMIO hmmioFile, const std::vector<FileBytes>& ranges) {
    for (const FileBytes& range : ranges) {
        const auto nBytes = static_cast<LONG>(range.bytes.size());
        if (mmioSeek(hmmioFile, range.offset, SEEK_FROM_START) != range.offset ||
            mmioWrite(hmmioFile, range.bytes.data(), nBytes) != nBytes) {
            return false;
        }
    }
    return mmioFlush(hmmioFile, 0) == 0;
}

// Under the writers' lock: a journal of a save still running is that save's to remove.
CString RollBackInterruptedSave(const CString& strPath) {
    std::error_code error;
    if (!std::filesystem::exists(JournalPath(strPath), error)) {
        return CString();
    }
    HMMIO hmmio = mmioOpen(strPath.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE);
    if (hmmio == nullptr) {
        return "a journal of an interrupted save lies beside it (" + JournalPath(strPath) +
               "), and the file cannot be opened to roll that save back: " + std::strerror(errno);
    }
    CString strNote;
    if (!LockFile(mmioDescriptor(hmmio), kSaveLockWait)) {
        strNote = "another Ovalis program is saving it";
    } else if (std::filesystem::exists(JournalPath(strPath), error)) {
        strNote = RollBack(strPath, hmmio);
    }
    mmioClose(hmmio, 0);
    return strNote;
}
