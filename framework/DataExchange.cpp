#include "framework/DataExchange.h"

#include <QWidget>

#include "framework/MessageBox.h"
#include "core/fields/PositiveInteger.h"
#include "framework/WidgetText.h"
#include "framework/Wnd.h"

namespace {
constexpr const char* kPositiveIntegerMessage = "Please enter a positive integer.";
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_pLastControl = m_bFailed ? nullptr : m_pDlgWnd->GetDlgItem(nIDC);
    return m_pLastControl;
}

void CDataExchange::Fail(const CString& strMessage) {
    m_bFailed = true;
    AfxMessageBox(strMessage);
    if (m_pLastControl) {
        m_pLastControl->SetFocus();
        if (QWidget* pWidget = m_pLastControl->GetSafeHwnd()) {
            SelectAllText(pWidget);
        }
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    CWnd* pControl = pDX->PrepareCtrl(nIDC);
    if (pControl && rControl.GetSafeHwnd() != pControl->GetSafeHwnd()) {
        rControl.Attach(pControl->GetSafeHwnd(), false);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    CWnd* pControl = pDX->PrepareCtrl(nIDC);
    if (!pControl) {
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        pControl->SetWindowText(FormatPositiveInteger(value));
        return;
    }
    if (const std::optional<DWORD> parsed = ParsePositiveInteger(pControl->GetWindowText())) {
        value = *parsed;
    } else {
        pDX->Fail(kPositiveIntegerMessage);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* pControl = pDX->PrepareCtrl(nIDC);
    if (!pControl) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = pControl->GetWindowText();
    } else {
        pControl->SetWindowText(value);
    }
}
