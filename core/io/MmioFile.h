#pragma once
// An open file of the RIFF I/O layer with one buffer under it, holding either bytes read ahead or
// bytes not yet written: chunk headers and small payloads then cost no system call each, and many
// small writes reach the system as one. Every system call goes through the seam.

#include <cstddef>
#include <cstdint>

#include "core/io/Mmio.h"

class MmioFile {
public:
    MmioFile(int fd, bool bWritable) : m_fd(fd), m_bWritable(bWritable) {}

    int Descriptor() const { return m_fd; }
    std::int64_t Position() const { return m_position; }

    // Bytes delivered (0 at the end of the file), or -1 with errno set.
    LONG Read(char* pch, LONG cch);
    // Bytes taken: all of them, fewer when the system stopped taking bytes; -1 with errno set.
    LONG Write(const char* pch, LONG cch);
    // 0; MMIOERR_CANNOTWRITE when the bytes held had to be written first and could not be;
    // MMIOERR_CANNOTSEEK.
    MMRESULT MoveTo(std::int64_t target);
    // Writes the bytes held to the file: 0, or MMIOERR_CANNOTWRITE with the bytes that did not
    // reach it still held.
    MMRESULT Flush();
    // The size the file has with the bytes held written, or -1.
    std::int64_t Size() const;
    // Writes the bytes held, then cuts the file at size or extends it with zeros to it: 0, or
    // MMIOERR_CANNOTWRITE.
    MMRESULT SetSize(std::int64_t size);
    // Empty while every read, seek and size query of this handle worked; else the first that
    // failed, such as "read of 12 bytes at offset 36 failed: Input/output error". A reader that
    // takes a short count for the end of the file can tell an error from it by this.
    CString Failure() const;

private:
    enum class Held { Nothing, ReadAhead, Unwritten };
    enum class Outcome { Done, Failed, Stalled };

    std::int64_t ReadAhead() const;
    bool Inside(std::int64_t target) const;
    bool Joins(LONG cch) const;
    Outcome Settle();
    Outcome WriteOut();
    bool PlaceDescriptor(std::int64_t target);
    ssize_t Fill();
    LONG ReadBuffered(char* pch, LONG cch);
    LONG ReadDirect(char* pch, LONG cch);
    LONG WriteDirect(const char* pch, LONG cch);
    // Keeps the first failure only: later calls fail because of it.
    void NoteFailure(const char* pszCall, std::int64_t offset, std::int64_t count) const;

    int m_fd;
    bool m_bWritable;
    std::int64_t m_position = 0;        // the callers'
    std::int64_t m_systemPosition = 0;  // the descriptor's; -1 when not known
    Held m_held = Held::Nothing;
    std::int64_t m_start = 0;  // the file offset of m_buffer[0]
    std::size_t m_count = 0;   // the bytes held
    // The size the system last gave, asked once while nothing is written through this handle:
    // a walk over thousands of chunks asks for it at every chunk.
    mutable std::int64_t m_statSize = -1;
    struct FailedCall {
        const char* pszCall = nullptr;
        std::int64_t offset = -1;
        std::int64_t count = -1;
        int error = 0;
    };
    mutable FailedCall m_failed;
    char m_buffer[kMmioBufferSize];
};
