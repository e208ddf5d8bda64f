#pragma once
// Data exchange between a dialog's members and its controls, in both directions.

#include "core/base/Types.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The control about to be exchanged, or null when the dialog has no such control.
    CWnd* PrepareCtrl(int nIDC);
    // Refuses the control last prepared: shows the message, moves the focus to the control with
    // its whole text selected, and stops the rest of the exchange.
    void Fail(const CString& strMessage);
    bool HasFailed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    CWnd* m_pLastControl = nullptr;
    bool m_bFailed = false;
};

// Binds a control member to the dialog's control with this id.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A number field, by the positive-integer rule.
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
// A text field, exchanged as UTF-8.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
