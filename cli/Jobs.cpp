#include "cli/Jobs.h"

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

#include "cli/Diagnostics.h"
#include "cli/HeldOutput.h"
#include "cli/Progress.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kProgressInterval = 100ms;
constexpr int kMostJobs = 256;

// The bytes done of the file the thread works on, read by the thread that shows the progress.
thread_local std::atomic<std::int64_t>* t_pBytesDone = nullptr;

struct Outcome {
    CString strOutput;
    CString strFailure;
    bool bDone = false;
};

std::int64_t SizeOf(const CString& strPath) {
    std::error_code error;
    const auto nSize = std::filesystem::file_size(strPath, error);
    return error ? 0 : static_cast<std::int64_t>(nSize);
}

class CJobs {
public:
    CJobs(const std::vector<CString>& files, const FileJob& job, int nJobs)
        : m_files(files),
          m_job(job),
          m_outcomes(files.size()),
          m_bytes(static_cast<std::size_t>(nJobs)) {}

    int Run(int nJobs);

private:
    void Work(std::size_t nWorker);
    std::int64_t BytesDone() const;
    // Writes the outcomes of the files done in order from m_nWritten; false once all are.
    bool WriteDone(CProgress& progress, int& nExit);

    const std::vector<CString>& m_files;
    const FileJob& m_job;
    std::vector<Outcome> m_outcomes;
    std::vector<std::atomic<std::int64_t>> m_bytes;  // per worker, of the file it works on
    std::atomic<std::int64_t> m_nFinishedBytes{0};
    std::size_t m_nNext = 0;
    std::size_t m_nWritten = 0;
    std::mutex m_mutex;
    std::condition_variable m_done;
};

void CJobs::Work(std::size_t nWorker) {
    t_pBytesDone = &m_bytes[nWorker];
    for (;;) {
        std::size_t nFile;
        {
            const std::lock_guard lock(m_mutex);
            if (m_nNext == m_files.size()) {
                return;
            }
            nFile = m_nNext++;
        }
        Outcome outcome;
        {
            const CHeldOutput held;
            outcome.strFailure = m_job(nFile);
            outcome.strOutput = held.Text();
        }
        outcome.bDone = true;
        m_nFinishedBytes += SizeOf(m_files[nFile]);
        m_bytes[nWorker] = 0;
        {
            const std::lock_guard lock(m_mutex);
            m_outcomes[nFile] = std::move(outcome);
        }
        m_done.notify_one();
    }
}

std::int64_t CJobs::BytesDone() const {
    std::int64_t nDone = m_nFinishedBytes;
    for (const auto& nBytes : m_bytes) {
        nDone += nBytes;
    }
    return nDone;
}

bool CJobs::WriteDone(CProgress& progress, int& nExit) {
    for (;;) {
        Outcome outcome;
        {
            std::unique_lock lock(m_mutex);
            if (m_nWritten == m_files.size()) {
                return false;
            }
            if (!m_done.wait_for(lock, kProgressInterval,
                                 [this] { return m_outcomes[m_nWritten].bDone; })) {
                return true;
            }
            outcome = std::move(m_outcomes[m_nWritten]);
        }
        std::cout << outcome.strOutput << std::flush;
        if (!outcome.strFailure.empty()) {
            ReportFileFailure(m_files[m_nWritten], outcome.strFailure);
            nExit = kExitSomeFailed;
        }
        ++m_nWritten;
        progress.Step();
    }
}

int CJobs::Run(int nJobs) {
    std::int64_t nTotalBytes = 0;
    for (const CString& strPath : m_files) {
        nTotalBytes += SizeOf(strPath);
    }
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nJobs) && i < m_files.size(); ++i) {
        workers.emplace_back(&CJobs::Work, this, i);
    }
    int nExit = kExitDone;
    {
        CProgress progress = StandardErrorProgress(m_files.size(), nTotalBytes);
        while (WriteDone(progress, nExit)) {
            progress.Bytes(BytesDone());
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    return nExit;
}

}  // namespace

std::optional<int> JobCount(const Invocation& invocation, CString* pWhyNot) {
    const CString* pValue = invocation.OptionValue("-j");
    if (!pValue) {
        return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    }
    int nJobs = 0;
    for (const char c : *pValue) {
        nJobs = c >= '0' && c <= '9' && nJobs <= kMostJobs ? nJobs * 10 + (c - '0') : -1;
        if (nJobs < 0) {
            break;
        }
    }
    if (nJobs < 1 || nJobs > kMostJobs) {
        *pWhyNot = "-j takes a number of files at a time from 1 to " + std::to_string(kMostJobs) +
                   ", not '" + *pValue + "'";
        return std::nullopt;
    }
    return nJobs;
}

int RunJobs(const std::vector<CString>& files, const FileJob& job, int nJobs) {
    return CJobs(files, job, nJobs).Run(nJobs);
}

WorkProgress JobProgress() {
    std::atomic<std::int64_t>* pBytesDone = t_pBytesDone;
    if (!pBytesDone) {
        return {};
    }
    return [pBytesDone](std::int64_t nDone, std::int64_t) {
        *pBytesDone = nDone;
        return true;
    };
}
