#pragma once
// The application object: runs the main window modally on the command line's file.

#include "framework/WinApp.h"

class CViewerApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
