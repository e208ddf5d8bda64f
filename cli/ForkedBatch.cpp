#include "cli/ForkedBatch.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>

#include "cli/Toolkit.h"

namespace {

struct Worker {
    pid_t pid = -1;
    int fd = -1;  // the read end of its pipe; -1 once it ended
    CString strPending;
};

// A record: "INDEX OUTLEN FAILURELEN\n", the output, the failure.
CString Record(std::size_t nIndex, const FileOutcome& outcome) {
    return std::to_string(nIndex) + " " + std::to_string(outcome.strOut.size()) + " " +
           std::to_string(outcome.strFailure.size()) + "\n" + outcome.strOut + outcome.strFailure;
}

bool WriteAll(int fd, const CString& strBytes) {
    std::size_t nDone = 0;
    while (nDone < strBytes.size()) {
        const ssize_t nWritten = ::write(fd, strBytes.data() + nDone, strBytes.size() - nDone);
        if (nWritten < 0 && errno == EINTR) {
            continue;
        }
        if (nWritten <= 0) {
            return false;
        }
        nDone += static_cast<std::size_t>(nWritten);
    }
    return true;
}

[[noreturn]] void RunWorker(const std::vector<CString>& files, std::size_t nFirst,
                            std::size_t nStep, const FileWork& work, int fd) {
    int nExit = EXIT_SUCCESS;
    {
        const CToolkit toolkit;
        for (std::size_t i = nFirst; i < files.size(); i += nStep) {
            if (!WriteAll(fd, Record(i, work(files[i])))) {
                nExit = EXIT_FAILURE;
                break;
            }
        }
    }
    ::close(fd);
    std::exit(nExit);
}

// Takes the next whole record off the front of strPending.
std::optional<std::pair<std::size_t, FileOutcome>> TakeRecord(CString& strPending) {
    const std::size_t nEnd = strPending.find('\n');
    if (nEnd == CString::npos) {
        return std::nullopt;
    }
    unsigned long long nIndex = 0;
    unsigned long long nOut = 0;
    unsigned long long nFailure = 0;
    if (std::sscanf(strPending.c_str(), "%llu %llu %llu", &nIndex, &nOut, &nFailure) != 3 ||
        strPending.size() - nEnd - 1 < nOut + nFailure) {
        return std::nullopt;
    }
    FileOutcome outcome{strPending.substr(nEnd + 1, nOut),
                        strPending.substr(nEnd + 1 + nOut, nFailure)};
    strPending.erase(0, nEnd + 1 + nOut + nFailure);
    return std::pair{static_cast<std::size_t>(nIndex), std::move(outcome)};
}

// Reads what the worker sent; FALSE once it has ended.
bool ReadFrom(Worker& worker, std::map<std::size_t, FileOutcome>& arrived,
              const std::function<void()>& onOutcome) {
    char buffer[65536];
    const ssize_t nRead = ::read(worker.fd, buffer, sizeof buffer);
    if (nRead < 0 && errno == EINTR) {
        return true;
    }
    if (nRead <= 0) {
        return false;
    }
    worker.strPending.append(buffer, static_cast<std::size_t>(nRead));
    while (auto record = TakeRecord(worker.strPending)) {
        arrived.insert(std::move(*record));
        onOutcome();
    }
    return true;
}

std::vector<Worker> StartWorkers(const std::vector<CString>& files, std::size_t nWorkers,
                                 const FileWork& work) {
    // What the parent has buffered must not be written a second time by a worker.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::vector<Worker> workers;
    for (std::size_t k = 0; k < nWorkers; ++k) {
        int fds[2];
        if (::pipe(fds) != 0) {
            break;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            for (const Worker& earlier : workers) {
                ::close(earlier.fd);
            }
            RunWorker(files, k, nWorkers, work, fds[1]);
        }
        ::close(fds[1]);
        if (pid < 0) {
            ::close(fds[0]);
            break;
        }
        workers.push_back({pid, fds[0], {}});
    }
    return workers;
}

}  // namespace

BOOL RunForked(const std::vector<CString>& files, std::size_t nWorkers, const FileWork& work,
               const OutcomeSink& deliver, const std::function<void()>& onOutcome) {
    std::vector<Worker> workers = StartWorkers(files, nWorkers, work);
    if (workers.size() < nWorkers) {
        // Each worker takes its share by its number: all of them are needed.
        for (Worker& worker : workers) {
            ::kill(worker.pid, SIGKILL);
            ::close(worker.fd);
            ::waitpid(worker.pid, nullptr, 0);
        }
        return FALSE;
    }
    std::map<std::size_t, FileOutcome> arrived;
    std::size_t nNext = 0;
    std::size_t nRunning = workers.size();
    while (nRunning > 0) {
        std::vector<pollfd> polls;
        for (const Worker& worker : workers) {
            polls.push_back({worker.fd, POLLIN, 0});
        }
        if (::poll(polls.data(), polls.size(), -1) < 0 && errno != EINTR) {
            break;
        }
        for (std::size_t k = 0; k < workers.size(); ++k) {
            if (workers[k].fd >= 0 && polls[k].revents != 0 &&
                !ReadFrom(workers[k], arrived, onOutcome)) {
                ::close(workers[k].fd);
                workers[k].fd = -1;
                --nRunning;
            }
        }
        for (auto it = arrived.find(nNext); it != arrived.end(); it = arrived.find(++nNext)) {
            deliver(nNext, it->second);
            arrived.erase(it);
        }
    }
    for (Worker& worker : workers) {
        if (worker.fd >= 0) {
            ::close(worker.fd);
        }
        ::waitpid(worker.pid, nullptr, 0);
    }
    for (; nNext < files.size(); ++nNext) {
        const auto it = arrived.find(nNext);
        deliver(nNext,
                it != arrived.end()
                    ? it->second
                    : FileOutcome{{}, "not read: the worker process reading it ended early"});
    }
    return TRUE;
}
