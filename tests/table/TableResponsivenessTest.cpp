// The window's event loop keeps running while a few hundred files load and save.

#include <QElapsedTimer>
#include <QTimer>
#include <numeric>

#include "table/FillRules.h"
#include "table/TableTestSupport.h"

namespace tabletest {
namespace {

// The longest time the event loop went without serving a 5 ms timer while it ran.
class LoopWatch {
public:
    LoopWatch() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_nLongest = std::max(m_nLongest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 Longest() const { return m_nLongest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_nLongest = 0;
};

TEST_F(TableTest, TheEventLoopIsNeverBlockedLongWhileFilesLoadAndSave) {
    constexpr qint64 kLongestMs = 100;
    WriteFiles(300);
    std::unique_ptr<LoopWatch> pWatch = std::make_unique<LoopWatch>();
    LoadFolder(300);
    EXPECT_LT(pWatch->Longest(), kLongestMs) << "while loading";

    std::vector<int> rows(300);
    std::iota(rows.begin(), rows.end(), 0);
    m_window.Model().Edit(FillWith(rows, {"Originator"}, "Ann"), "fill");
    pWatch = std::make_unique<LoopWatch>();
    SaveAll();
    EXPECT_LT(pWatch->Longest(), kLongestMs) << "while saving";
    EXPECT_FALSE(m_window.Model().HasEdits());
}

}  // namespace
}  // namespace tabletest
