#include "pages/LevelWork.h"

CLevelWork::~CLevelWork() {
    Cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CLevelWork::Start(const SampleSource& source) {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_bCancel = false;
    m_bFinished = false;
    m_nDone = 0;
    m_nTotal = 0;
    m_thread = std::thread([this, source] {
        m_result = MeasureLevels(source, [this](std::int64_t nDone, std::int64_t nTotal) {
            m_nDone = nDone;
            m_nTotal = nTotal;
            return !m_bCancel;
        });
        m_bFinished = true;
    });
}

int CLevelWork::Percent() const {
    const std::int64_t nTotal = m_nTotal;
    return nTotal > 0 ? static_cast<int>(m_nDone * 100 / nTotal) : 0;
}

std::optional<LevelResult> CLevelWork::TakeResult() {
    if (!m_thread.joinable() || !m_bFinished) {
        return std::nullopt;
    }
    m_thread.join();
    return std::move(m_result);
}
