#include "framework/Wnd.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <map>

#include "framework/WidgetText.h"

IMPLEMENT_DYNAMIC(CWnd, CObject)

struct CWnd::Binding {
    QPointer<QWidget> widget;
    bool owns = false;
};

struct ControlCache {
    std::map<int, std::unique_ptr<CWnd>> controls;
};

CWnd::CWnd() = default;

CWnd::~CWnd() {
    DestroyWindow();
}

QWidget* CWnd::GetSafeHwnd() const {
    return m_binding ? m_binding->widget.data() : nullptr;
}

void CWnd::Attach(QWidget* pWidget, bool bOwnsWidget) {
    DestroyWindow();
    m_binding = std::make_unique<Binding>();
    m_binding->widget = pWidget;
    m_binding->owns = bOwnsWidget;
}

QWidget* CWnd::Detach() {
    QWidget* pWidget = GetSafeHwnd();
    m_binding.reset();
    m_controls.reset();
    return pWidget;
}

BOOL CWnd::DestroyWindow() {
    m_controls.reset();
    if (!m_binding) {
        return FALSE;
    }
    std::unique_ptr<Binding> binding = std::move(m_binding);
    if (!binding->widget) {
        return FALSE;
    }
    if (binding->owns) {
        delete binding->widget.data();
    }
    return TRUE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    QWidget* pWidget = GetSafeHwnd();
    if (!pWidget) {
        return FALSE;
    }
    const BOOL bWasVisible = pWidget->isVisible();
    pWidget->setVisible(nCmdShow != SW_HIDE);
    return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    QWidget* pWidget = GetSafeHwnd();
    return pWidget && pWidget->isVisible();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    QWidget* pWidget = GetSafeHwnd();
    if (!pWidget) {
        return FALSE;
    }
    const BOOL bWasDisabled = !pWidget->isEnabled();
    pWidget->setEnabled(bEnable != FALSE);
    return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    QWidget* pWidget = GetSafeHwnd();
    return pWidget && pWidget->isEnabled();
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    if (QWidget* pWidget = GetSafeHwnd()) {
        pWidget->setGeometry(x, y, nWidth, nHeight);
        if (bRepaint) {
            pWidget->update();
        }
    }
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint) {
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

void CWnd::GetWindowRect(CRect* pRect) const {
    *pRect = CRect{};
    if (QWidget* pWidget = GetSafeHwnd()) {
        const QPoint topLeft = pWidget->mapToGlobal(QPoint(0, 0));
        *pRect = CRect{topLeft.x(), topLeft.y(), topLeft.x() + pWidget->width(),
                       topLeft.y() + pWidget->height()};
    }
}

void CWnd::GetClientRect(CRect* pRect) const {
    *pRect = CRect{};
    if (QWidget* pWidget = GetSafeHwnd()) {
        *pRect = CRect{0, 0, pWidget->width(), pWidget->height()};
    }
}

void CWnd::ScreenToClient(CRect* pRect) const {
    if (QWidget* pWidget = GetSafeHwnd()) {
        const QPoint topLeft = pWidget->mapFromGlobal(QPoint(pRect->left, pRect->top));
        const QPoint bottomRight = pWidget->mapFromGlobal(QPoint(pRect->right, pRect->bottom));
        *pRect = CRect{topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
    }
}

void CWnd::SetWindowText(const CString& strText) {
    if (QWidget* pWidget = GetSafeHwnd()) {
        SetWidgetText(pWidget, QString::fromStdString(strText));
    }
}

CString CWnd::GetWindowText() const {
    QWidget* pWidget = GetSafeHwnd();
    return pWidget ? WidgetText(pWidget).toStdString() : CString();
}

void CWnd::SetFocus() {
    if (QWidget* pWidget = GetSafeHwnd()) {
        pWidget->setFocus(Qt::OtherFocusReason);
    }
}

BOOL CWnd::SetReadOnly(BOOL bReadOnly) {
    QWidget* pWidget = GetSafeHwnd();
    return pWidget && SetEditReadOnly(pWidget, bReadOnly != FALSE) ? TRUE : FALSE;
}

BOOL CWnd::SetLimitText(int nMaxChars) {
    auto* pEdit = qobject_cast<QLineEdit*>(GetSafeHwnd());
    if (!pEdit) {
        return FALSE;
    }
    pEdit->setMaxLength(nMaxChars);
    return TRUE;
}

void CWnd::Invalidate(BOOL /*bErase*/) {
    if (QWidget* pWidget = GetSafeHwnd()) {
        pWidget->update();
    }
}

CWnd* CWnd::GetDlgItem(int nID) const {
    QWidget* pWidget = GetSafeHwnd();
    QWidget* pControl = pWidget ? FindControl(pWidget, nID) : nullptr;
    if (!pControl) {
        return nullptr;
    }
    if (!m_controls) {
        m_controls = std::make_unique<ControlCache>();
    }
    std::unique_ptr<CWnd>& pWnd = m_controls->controls[nID];
    if (!pWnd || pWnd->GetSafeHwnd() != pControl) {
        pWnd = std::make_unique<CWnd>();
        pWnd->Attach(pControl, false);
    }
    return pWnd.get();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, MsgSig::vv, nullptr, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

int CWnd::GetDlgCtrlID() const {
    QWidget* pWidget = GetSafeHwnd();
    return pWidget ? pWidget->property(kControlIdProperty).toInt() : 0;
}
