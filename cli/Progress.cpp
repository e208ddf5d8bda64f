#include "cli/Progress.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "core/base/Types.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kQuietTime = 1s;
constexpr auto kInterval = 100ms;

// A size in the largest binary unit that keeps it at 1 or more, with one decimal.
CString SizeText(double bytes) {
    static constexpr const char* kUnits[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    std::size_t nUnit = 0;
    while (bytes >= 1024 && nUnit + 1 < std::size(kUnits)) {
        bytes /= 1024;
        ++nUnit;
    }
    char text[32];
    std::snprintf(text, sizeof text, nUnit == 0 ? "%.0f %s" : "%.1f %s", bytes, kUnits[nUnit]);
    return text;
}

CString TimeText(double seconds) {
    const auto nSeconds = static_cast<long long>(seconds + 0.5);
    char text[32];
    if (nSeconds < 60) {
        std::snprintf(text, sizeof text, "%lld s", nSeconds);
    } else {
        std::snprintf(text, sizeof text, "%lld min %02lld s", nSeconds / 60, nSeconds % 60);
    }
    return text;
}

}  // namespace

CProgress::CProgress(std::size_t nTotal, std::int64_t nTotalBytes, std::ostream& out,
                     bool bTerminal, Clock clock)
    : m_nTotal(nTotal),
      m_nTotalBytes(nTotalBytes),
      m_out(out),
      m_bTerminal(bTerminal),
      m_clock(std::move(clock)),
      m_start(m_clock()),
      m_lastShown(m_start) {}

CProgress::~CProgress() {
    if (m_bShown) {
        m_out << "\n" << std::flush;
    }
}

void CProgress::Step() {
    ++m_nDone;
    ShowWhenDue(m_nDone == m_nTotal);
}

void CProgress::Bytes(std::int64_t nDone) {
    m_nBytesDone = nDone;
    ShowWhenDue(false);
}

void CProgress::ShowWhenDue(bool bLast) {
    if (!m_bTerminal) {
        return;
    }
    const auto now = m_clock();
    if (now - m_start < kQuietTime) {
        return;
    }
    if (!m_bShown || now - m_lastShown >= kInterval || bLast) {
        m_lastShown = now;
        Show();
    }
}

void CProgress::Show() {
    CString strLine =
        "ovalis-cli: " + std::to_string(m_nDone) + " of " + std::to_string(m_nTotal) + " files";
    if (m_nTotalBytes > 0) {
        const double seconds = std::chrono::duration<double>(m_lastShown - m_start).count();
        const double rate = static_cast<double>(m_nBytesDone) / seconds;
        strLine += ", " + SizeText(static_cast<double>(m_nBytesDone)) + " of " +
                   SizeText(static_cast<double>(m_nTotalBytes)) + ", " + SizeText(rate) + "/s";
        if (rate > 0 && m_nBytesDone < m_nTotalBytes) {
            strLine +=
                ", " + TimeText(static_cast<double>(m_nTotalBytes - m_nBytesDone) / rate) + " left";
        }
    }
    // The terminal's erase to the end of the line wipes what a longer line before it left.
    m_out << "\r" << strLine << "\x1b[K" << std::flush;
    m_bShown = true;
}

CProgress StandardErrorProgress(std::size_t nTotal, std::int64_t nTotalBytes) {
    return CProgress(nTotal, nTotalBytes, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
