#include "core/io/MmioFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "core/io/MmioSeam.h"

namespace {

constexpr auto kBufferSize = static_cast<std::int64_t>(kMmioBufferSize);

// Repeats a transfer that the system delivers in part until it is complete, the system makes no
// more progress (the end of the file) or reports an error.
template <typename Transfer>
LONG TransferAll(std::int64_t& position, std::int64_t& systemPosition, LONG cch,
                 Transfer transfer) {
    LONG done = 0;
    while (done < cch) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? -1 : done;
        }
        done += static_cast<LONG>(n);
        position += n;
        systemPosition += n;
    }
    return done;
}

}  // namespace

LONG MmioFile::Read(char* pch, LONG cch) {
    const std::int64_t start = m_position;
    const LONG result = ReadBuffered(pch, cch);
    if (result < 0) {
        NoteFailure("read", start, cch);
    }
    return result;
}

LONG MmioFile::ReadBuffered(char* pch, LONG cch) {
    if (m_held == Held::Unwritten && WriteOut() != Outcome::Done) {
        return -1;
    }
    LONG done = 0;
    while (done < cch) {
        const std::int64_t available = ReadAhead();
        if (available > 0) {
            const auto n = static_cast<LONG>(std::min<std::int64_t>(available, cch - done));
            std::memcpy(pch + done, m_buffer + (m_position - m_start), static_cast<std::size_t>(n));
            done += n;
            m_position += n;
            continue;
        }
        // Read straight into the caller's memory: going through the buffer would only copy it.
        if (cch - done >= kBufferSize) {
            const LONG n = ReadDirect(pch + done, cch - done);
            return n < 0 ? -1 : done + n;
        }
        const ssize_t n = Fill();
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
    }
    return done;
}

LONG MmioFile::Write(const char* pch, LONG cch) {
    if (!m_bWritable) {
        errno = EBADF;
        return -1;
    }
    if (cch == 0) {
        return 0;
    }
    if (!Joins(cch)) {
        const Outcome outcome = Settle();
        if (outcome != Outcome::Done) {
            return outcome == Outcome::Failed ? -1 : 0;
        }
    }
    if (cch >= kBufferSize) {
        return WriteDirect(pch, cch);
    }
    if (m_held == Held::Nothing) {
        m_held = Held::Unwritten;
        m_start = m_position;
        m_count = 0;
    }
    const auto offset = static_cast<std::size_t>(m_position - m_start);
    std::memcpy(m_buffer + offset, pch, static_cast<std::size_t>(cch));
    m_count = std::max(m_count, offset + static_cast<std::size_t>(cch));
    m_position += cch;
    return cch;
}

MMRESULT MmioFile::MoveTo(std::int64_t target) {
    if (target < 0) {
        errno = EINVAL;
        return MMIOERR_CANNOTSEEK;
    }
    if (target == m_position || Inside(target) ||
        (m_held == Held::Nothing && target == m_systemPosition)) {
        m_position = target;
        return 0;
    }
    if (Settle() != Outcome::Done) {
        return MMIOERR_CANNOTWRITE;
    }
    if (!PlaceDescriptor(target)) {
        return MMIOERR_CANNOTSEEK;
    }
    m_position = target;
    return 0;
}

MMRESULT MmioFile::Flush() {
    return m_held != Held::Unwritten || WriteOut() == Outcome::Done ? 0 : MMIOERR_CANNOTWRITE;
}

MMRESULT MmioFile::SetSize(std::int64_t size) {
    if (Flush() != 0 || mmioSystemCalls().ftruncate(m_fd, static_cast<off_t>(size)) != 0) {
        return MMIOERR_CANNOTWRITE;
    }
    // Bytes read ahead past the new end are gone from the file.
    m_held = Held::Nothing;
    m_count = 0;
    m_statSize = -1;
    return 0;
}

std::int64_t MmioFile::Size() const {
    if (m_statSize < 0) {
        struct stat status {};
        if (mmioSystemCalls().fstat(m_fd, &status) != 0) {
            NoteFailure("fstat", -1, -1);
            return -1;
        }
        m_statSize = status.st_size;
    }
    const std::int64_t held =
        m_held == Held::Unwritten ? m_start + static_cast<std::int64_t>(m_count) : 0;
    return std::max<std::int64_t>(m_statSize, held);
}

// The bytes read ahead from the position on.
std::int64_t MmioFile::ReadAhead() const {
    if (m_held != Held::ReadAhead || !Inside(m_position)) {
        return 0;
    }
    return m_start + static_cast<std::int64_t>(m_count) - m_position;
}

// Whether the position can move to target without a system call: into the bytes held or to
// their end.
bool MmioFile::Inside(std::int64_t target) const {
    return m_held != Held::Nothing && target >= m_start &&
           target <= m_start + static_cast<std::int64_t>(m_count);
}

// Whether a write of cch bytes at the position goes into the unwritten bytes held, which stay
// one run from m_start.
bool MmioFile::Joins(LONG cch) const {
    if (m_held == Held::Nothing) {
        return true;
    }
    return m_held == Held::Unwritten && Inside(m_position) && cch < kBufferSize &&
           m_position + cch <= m_start + kBufferSize;
}

// Empties the buffer: bytes read ahead are dropped, unwritten bytes written.
MmioFile::Outcome MmioFile::Settle() {
    if (m_held == Held::Unwritten) {
        return WriteOut();
    }
    m_held = Held::Nothing;
    return Outcome::Done;
}

// What the system did not take stays held, so that no byte is lost silently and a later flush
// tries it again.
MmioFile::Outcome MmioFile::WriteOut() {
    m_statSize = -1;
    if (!PlaceDescriptor(m_start)) {
        return Outcome::Failed;
    }
    std::size_t done = 0;
    Outcome outcome = Outcome::Done;
    while (done < m_count) {
        const ssize_t n = mmioSystemCalls().write(m_fd, m_buffer + done, m_count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            outcome = n < 0 ? Outcome::Failed : Outcome::Stalled;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    std::memmove(m_buffer, m_buffer + done, m_count - done);
    m_start += static_cast<std::int64_t>(done);
    m_count -= done;
    m_systemPosition = m_start;
    if (m_count == 0) {
        m_held = Held::Nothing;
    }
    return outcome;
}

bool MmioFile::PlaceDescriptor(std::int64_t target) {
    if (m_systemPosition == target) {
        return true;
    }
    const off_t placed = mmioSystemCalls().lseek(m_fd, target, SEEK_SET);
    m_systemPosition = placed == target ? target : -1;
    if (placed != target) {
        NoteFailure("lseek", target, -1);
    }
    return placed == target;
}

CString MmioFile::Failure() const {
    if (m_failed.pszCall == nullptr) {
        return CString();
    }
    const CString strCall = m_failed.pszCall;
    const CString strReason = std::strerror(m_failed.error);
    if (m_failed.offset < 0) {
        return strCall + " of the open file failed: " + strReason;
    }
    const CString strOffset = std::to_string(m_failed.offset);
    if (m_failed.count < 0) {
        return strCall + " to offset " + strOffset + " failed: " + strReason;
    }
    return strCall + " of " + std::to_string(m_failed.count) + " bytes at offset " + strOffset +
           " failed: " + strReason;
}

void MmioFile::NoteFailure(const char* pszCall, std::int64_t offset, std::int64_t count) const {
    if (m_failed.pszCall == nullptr) {
        // A call that came up wrong without the system naming an error is still a failed call.
        m_failed = FailedCall{pszCall, offset, count, errno != 0 ? errno : EIO};
    }
}

// Reads ahead from the position: the bytes delivered, 0 at the end of the file, or -1.
ssize_t MmioFile::Fill() {
    m_held = Held::Nothing;
    if (!PlaceDescriptor(m_position)) {
        return -1;
    }
    ssize_t n = 0;
    do {
        n = mmioSystemCalls().read(m_fd, m_buffer, kMmioBufferSize);
    } while (n < 0 && errno == EINTR);
    if (n > 0) {
        m_held = Held::ReadAhead;
        m_start = m_position;
        m_count = static_cast<std::size_t>(n);
        m_systemPosition += n;
    }
    return n;
}

LONG MmioFile::ReadDirect(char* pch, LONG cch) {
    m_held = Held::Nothing;
    if (!PlaceDescriptor(m_position)) {
        return -1;
    }
    return TransferAll(m_position, m_systemPosition, cch, [&](LONG done) {
        return mmioSystemCalls().read(m_fd, pch + done, static_cast<std::size_t>(cch - done));
    });
}

LONG MmioFile::WriteDirect(const char* pch, LONG cch) {
    m_statSize = -1;
    if (!PlaceDescriptor(m_position)) {
        return -1;
    }
    return TransferAll(m_position, m_systemPosition, cch, [&](LONG done) {
        return mmioSystemCalls().write(m_fd, pch + done, static_cast<std::size_t>(cch - done));
    });
}
