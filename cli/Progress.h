#pragma once
// The progress line of a batch: nothing for a batch done within a second, then the count of
// files done on standard error, rewritten in place on a terminal and a line a second elsewhere.

#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>

class CProgress {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    CProgress(std::size_t nTotal, std::ostream& out, bool bTerminal,
              Clock clock = &std::chrono::steady_clock::now);
    // Ends the line on a terminal, so that what follows starts on a line of its own.
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    // One more file done.
    void Step();

private:
    void Show();

    std::size_t m_nTotal;
    std::size_t m_nDone = 0;
    std::ostream& m_out;
    bool m_bTerminal;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
    bool m_bShown = false;
};

// A progress line for a batch of nTotal files on standard error.
CProgress StandardErrorProgress(std::size_t nTotal);
