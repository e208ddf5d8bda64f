#include "app/ViewerApp.h"

#include "app/ViewerDlg.h"
#include "framework/OleControl.h"

BOOL CViewerApp::InitInstance() {
    AfxEnableControlContainer();
    CViewerDlg dlg(m_lpCmdLine);
    dlg.DoModal();
    // The modal run was the program's event loop; there is nothing left to run.
    return FALSE;
}
