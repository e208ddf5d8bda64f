#include "app/BackgroundWork.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

constexpr int kSteps = 1000;
constexpr int kPollMilliseconds = 50;

struct Shared {
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
};

int StepOf(const Shared& shared) {
    const std::int64_t nTotal = shared.total;
    return nTotal > 0 ? static_cast<int>(shared.done * kSteps / nTotal) : 0;
}

}  // namespace

bool RunWithProgress(QWidget* pParent, const QString& strLabel,
                     const std::function<void(const WorkProgress& progress)>& work) {
    Shared shared;
    std::thread worker([&shared, &work] {
        work([&shared](std::int64_t nDone, std::int64_t nTotal) {
            shared.done = nDone;
            shared.total = nTotal;
            return !shared.cancel;
        });
        shared.finished = true;
    });
    QProgressDialog dialog(strLabel, "Cancel", 0, kSteps, pParent);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(300);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&shared] { shared.cancel = true; });
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (shared.finished) {
            loop.quit();
        } else {
            dialog.setValue(StepOf(shared));
        }
    });
    timer.start(kPollMilliseconds);
    loop.exec();
    worker.join();
    return !shared.cancel;
}
