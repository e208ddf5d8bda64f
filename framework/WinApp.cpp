#include "framework/WinApp.h"

#include <QApplication>
#include <QIcon>

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() {
    if (!g_pApp) {
        g_pApp = this;
    }
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CString AfxCommandLineText(int argc, const char* const argv[]) {
    CString strText;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            strText += ' ';
        }
        strText += argv[i];
    }
    return strText;
}

void AfxInitResources() {
    // The resources live in a static library, whose registration the linker would drop.
    static const bool bDone = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)bDone;
}

int AfxWinMain(int argc, char* argv[]) {
    // Taken before the toolkit removes the options it knows: the text is a path, as it is.
    const CString strCmdLine = AfxCommandLineText(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ovalis"));
    AfxInitResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/ovalis.png")));
    CWinApp* pApp = AfxGetApp();
    if (!pApp) {
        return 1;
    }
    pApp->m_lpCmdLine = strCmdLine;
    if (pApp->InitInstance()) {
        QApplication::exec();
    }
    return pApp->ExitInstance();
}
