#include "cli/Progress.h"

#include <unistd.h>

#include <iostream>

namespace {

using namespace std::chrono_literals;

constexpr auto kQuietTime = 1s;
constexpr auto kTerminalInterval = 100ms;
constexpr auto kLogInterval = 1s;

}  // namespace

CProgress::CProgress(std::size_t nTotal, std::ostream& out, bool bTerminal, Clock clock)
    : m_nTotal(nTotal),
      m_out(out),
      m_bTerminal(bTerminal),
      m_clock(std::move(clock)),
      m_start(m_clock()),
      m_lastShown(m_start) {}

CProgress::~CProgress() {
    if (m_bShown && m_bTerminal) {
        m_out << "\n" << std::flush;
    }
}

void CProgress::Step() {
    ++m_nDone;
    const auto now = m_clock();
    if (now - m_start < kQuietTime) {
        return;
    }
    const auto interval = m_bTerminal ? kTerminalInterval : kLogInterval;
    if (!m_bShown || now - m_lastShown >= interval || m_nDone == m_nTotal) {
        m_lastShown = now;
        Show();
    }
}

void CProgress::Show() {
    m_out << (m_bTerminal ? "\r" : "") << "ovalis-cli: " << m_nDone << " of " << m_nTotal
          << " files" << (m_bTerminal ? "" : "\n") << std::flush;
    m_bShown = true;
}

CProgress StandardErrorProgress(std::size_t nTotal) {
    return CProgress(nTotal, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
