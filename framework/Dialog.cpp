#include "framework/Dialog.h"

#include <QApplication>
#include <QPushButton>

#include "framework/DialogBuilder.h"
#include "framework/DialogTemplate.h"
#include "framework/DialogWidgets.h"
#include "framework/DropTarget.h"
#include "framework/TabControlWidget.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

namespace {

CWnd* g_pMainWnd = nullptr;

bool UserInterfaceRunning() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

CWnd* AfxGetMainWnd() {
    return g_pMainWnd;
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return CreateWindowFromTemplate(nIDTemplate, pParentWnd, false);
}

BOOL CDialog::CreateWindowFromTemplate(UINT nIDTemplate, CWnd* pParentWnd, bool bModal) {
    const DialogTemplate* pTemplate = FindDialogTemplate(nIDTemplate);
    if (!pTemplate || !UserInterfaceRunning() || !IsWindowless()) {
        return FALSE;
    }
    QWidget* pParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    QWidget* pWidget = nullptr;
    if (bModal || (pTemplate->style & DS_POPUP)) {
        auto* pWindow = new DialogWindow(this, pParent);
        pWindow->setWindowTitle(QString::fromUtf8(pTemplate->caption));
        pWidget = pWindow;
    } else {
        pWidget = new PageWidget(pParent);
    }
    pWidget->setAttribute(Qt::WA_DeleteOnClose, false);
    Attach(pWidget, true);
    if (OnCreate() == -1) {
        DestroyWindow();
        return FALSE;
    }
    BuildDialog(pWidget, *pTemplate);
    if (pTemplate->style & DS_ACCEPTFILES) {
        new DropTarget(this, pWidget);
    }
    if (pTemplate->style & DS_POPUP) {
        // A dialog frame, not a resizable window.
        pWidget->setFixedSize(pWidget->size());
    }
    ConnectControls();
    OnInitDialog();
    m_pInitialisedWidget = pWidget;
    if (!bModal && (pTemplate->style & DS_VISIBLE) && GetSafeHwnd()) {
        GetSafeHwnd()->show();
    }
    return GetSafeHwnd() != nullptr;
}

void CDialog::ConnectControls() {
    QWidget* pWidget = GetSafeHwnd();
    for (QObject* pChild : pWidget->children()) {
        const int nID = pChild->property(kControlIdProperty).toInt();
        if (auto* pButton = qobject_cast<QPushButton*>(pChild)) {
            QObject::connect(pButton, &QPushButton::clicked, pWidget,
                             [this, nID] { OnCommand(nID); });
        } else if (auto* pTab = qobject_cast<TabControlWidget*>(pChild)) {
            QObject::connect(pTab, &TabControlWidget::Clicked, pWidget, [this, nID] {
                if (const AFX_MSGMAP_ENTRY* pEntry = FindEntry(WM_NOTIFY, NM_CLICK, nID)) {
                    NMHDR header{GetDlgItem(nID), nID, NM_CLICK};
                    LRESULT result = 0;
                    Dispatch(*pEntry, &header, &result);
                }
            });
        }
    }
}

int CDialog::DoModal() {
    if (!CreateWindowFromTemplate(m_nIDTemplate, m_pParentWnd, true)) {
        return -1;
    }
    CWnd* pPreviousMain = g_pMainWnd;
    if (!g_pMainWnd) {
        g_pMainWnd = this;
    }
    m_nModalResult = IDCANCEL;
    if (auto* pWindow = qobject_cast<QDialog*>(GetSafeHwnd())) {
        pWindow->exec();
    }
    g_pMainWnd = pPreviousMain;
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (auto* pWindow = qobject_cast<QDialog*>(GetSafeHwnd())) {
        pWindow->done(nResult);
    } else {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (IsWindowless()) {
        return FALSE;
    }
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.HasFailed();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::HasInitialised() const {
    return m_pInitialisedWidget && m_pInitialisedWidget == GetSafeHwnd();
}

void CDialog::DoDataExchange(CDataExchange*) {}

int CDialog::OnCreate() {
    return 0;
}

const AFX_MSGMAP_ENTRY* CDialog::FindEntry(UINT nMessage, UINT nCode, int nID) const {
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nMessage; ++pEntry) {
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode && pEntry->nID == nID) {
                return pEntry;
            }
        }
    }
    return nullptr;
}

void CDialog::OnCommand(int nID) {
    if (const AFX_MSGMAP_ENTRY* pEntry = FindEntry(WM_COMMAND, BN_CLICKED, nID)) {
        Dispatch(*pEntry);
    } else if (nID == IDOK) {
        OnOK();
    } else if (nID == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::OnKeyCommand(int nID) {
    OnCommand(nID);
}

void CDialog::Dispatch(const AFX_MSGMAP_ENTRY& entry, void* pArg1, void* pArg2) {
    switch (entry.nSig) {
        case MsgSig::vv:
            (this->*entry.pfn)();
            break;
        case MsgSig::vNotify:
            (this->*entry.pfnNotify)(static_cast<NMHDR*>(pArg1), static_cast<LRESULT*>(pArg2));
            break;
        case MsgSig::vDrop:
            (this->*entry.pfnDrop)(static_cast<HDROP>(pArg1));
            break;
    }
}
