#pragma once
// The progress line of a batch on a terminal: nothing for work done within a second, then the
// files done, the bytes done of all, the rate and the time left, rewritten in place on standard
// error. Output that is not a terminal gets none of it.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>

class CProgress {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // nTotalBytes: of every file of the batch; 0 when not known, and the line counts files only.
    CProgress(std::size_t nTotal, std::int64_t nTotalBytes, std::ostream& out, bool bTerminal,
              Clock clock = &std::chrono::steady_clock::now);
    // Ends the line, so that what follows starts on a line of its own.
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    // One more file done.
    void Step();
    // So many bytes of the batch done; shown when the line is due.
    void Bytes(std::int64_t nDone);

private:
    void ShowWhenDue(bool bLast);
    void Show();

    std::size_t m_nTotal;
    std::size_t m_nDone = 0;
    std::int64_t m_nTotalBytes;
    std::int64_t m_nBytesDone = 0;
    std::ostream& m_out;
    bool m_bTerminal;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
    bool m_bShown = false;
};

// A progress line for a batch of nTotal files of nTotalBytes on standard error.
CProgress StandardErrorProgress(std::size_t nTotal, std::int64_t nTotalBytes = 0);
