#pragma once
// The application object: its start-up hook and the command line it was given. One object of a
// class derived from it is defined by the program; AfxWinMain runs it.

#include "core/base/Object.h"

class CWinApp : public CObject {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE to run the application's own event loop afterwards, FALSE to end at once.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // The text after the program's name: its arguments joined by single spaces.
    CString m_lpCmdLine;
};

CWinApp* AfxGetApp();
// The arguments after the program's name, joined by single spaces, taken as they are.
CString AfxCommandLineText(int argc, const char* const argv[]);
// Makes the program's resources (pictures, icon) reachable; safe to call more than once.
void AfxInitResources();
// Builds the user interface, hands the command line to the application object and runs it.
int AfxWinMain(int argc, char* argv[]);
