#pragma once
// The levels of a file measured on a thread of their own, so that the page that asked stays
// responsive and can stop them; the page polls for the progress and the result. The work is
// handed a copy of where the samples are, never the tree.

#include <atomic>
#include <optional>
#include <thread>

#include "core/integrity/SamplePass.h"

class CLevelWork {
public:
    CLevelWork() = default;
    // Asks running work to stop and waits for it.
    ~CLevelWork();
    CLevelWork(const CLevelWork&) = delete;
    CLevelWork& operator=(const CLevelWork&) = delete;

    void Start(const SampleSource& source);
    void Cancel() { m_bCancel = true; }
    bool IsRunning() const { return m_thread.joinable() && !m_bFinished; }
    // How far the work got, 0 to 100.
    int Percent() const;
    // The result of finished work, once; nothing while it runs or when none was started.
    std::optional<LevelResult> TakeResult();

private:
    std::thread m_thread;
    std::atomic<bool> m_bCancel{false};
    std::atomic<bool> m_bFinished{false};
    std::atomic<std::int64_t> m_nDone{0};
    std::atomic<std::int64_t> m_nTotal{0};
    LevelResult m_result;
};
