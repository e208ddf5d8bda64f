#pragma once
// The user interface the pages need, on Qt's offscreen platform: no display, no window shown,
// and every message box recorded for the file at hand instead of shown.

#include <memory>

class QApplication;

class CToolkit {
public:
    CToolkit();
    ~CToolkit();
    CToolkit(const CToolkit&) = delete;
    CToolkit& operator=(const CToolkit&) = delete;

private:
    // The toolkit sees no argument of ours: a file could be named like one of its options.
    int m_nArgc = 1;
    char m_szName[16] = "ovalis-cli";
    char* m_argv[2] = {m_szName, nullptr};
    std::unique_ptr<QApplication> m_pApp;
};
