// Runs the viewer as the program does, on the file named, and prints the time from the launch
// of the process (OVALIS_BENCH_LAUNCH_NS, the launcher's clock in nanoseconds since the epoch) or
// else from entering main, to the Overview tab shown; then ends the run.

#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/ViewerDlg.h"
#include "framework/DialogTemplate.h"
#include "framework/OleControl.h"
#include "framework/WinApp.h"

namespace {

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t g_startNs = 0;

bool OverviewShown(CViewerDlg& dlg) {
    QWidget* pPage = dlg.m_overviewPage.GetSafeHwnd();
    QWidget* pWindow = dlg.GetSafeHwnd();
    return pPage && pWindow && pPage->isVisible() && pWindow->windowHandle() &&
           pWindow->windowHandle()->isExposed() && dlg.m_tab.GetItemText(0) == "Overview";
}

class CStartupBenchApp : public CWinApp {
public:
    BOOL InitInstance() override {
        AfxEnableControlContainer();
        CViewerDlg dlg(m_lpCmdLine);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&dlg] {
            if (OverviewShown(dlg)) {
                std::printf("overview shown after %.1f ms, %d tabs\n",
                            static_cast<double>(NowNs() - g_startNs) / 1e6,
                            dlg.m_tab.GetItemCount());
                dlg.EndDialog(IDOK);
            }
        });
        poll.start(1);
        dlg.DoModal();
        return FALSE;
    }
};

CStartupBenchApp theApp;

}  // namespace

int main(int argc, char* argv[]) {
    const char* pszLaunch = std::getenv("OVALIS_BENCH_LAUNCH_NS");
    g_startNs = pszLaunch ? std::strtoll(pszLaunch, nullptr, 10) : NowNs();
    return AfxWinMain(argc, argv);
}
