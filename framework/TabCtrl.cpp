#include "framework/TabCtrl.h"

#include "framework/TabControlWidget.h"

namespace {

QTabBar* Bar(const CWnd& wnd) {
    auto* pTab = qobject_cast<TabControlWidget*>(wnd.GetSafeHwnd());
    return pTab ? pTab->TabBar() : nullptr;
}

}  // namespace

int CTabCtrl::InsertItem(int nItem, const CString& strText) {
    QTabBar* pBar = Bar(*this);
    return pBar ? pBar->insertTab(nItem, QString::fromStdString(strText)) : -1;
}

BOOL CTabCtrl::SetItemToolTip(int nItem, const CString& strText) {
    QTabBar* pBar = Bar(*this);
    if (!pBar || nItem < 0 || nItem >= pBar->count()) {
        return FALSE;
    }
    pBar->setTabToolTip(nItem, QString::fromStdString(strText));
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    QTabBar* pBar = Bar(*this);
    if (!pBar) {
        return FALSE;
    }
    while (pBar->count() > 0) {
        pBar->removeTab(pBar->count() - 1);
    }
    return TRUE;
}

int CTabCtrl::GetItemCount() const {
    QTabBar* pBar = Bar(*this);
    return pBar ? pBar->count() : 0;
}

int CTabCtrl::GetCurSel() const {
    QTabBar* pBar = Bar(*this);
    return pBar ? pBar->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int nItem) {
    QTabBar* pBar = Bar(*this);
    if (!pBar || nItem < 0 || nItem >= pBar->count()) {
        return -1;
    }
    const int nPrevious = pBar->currentIndex();
    pBar->setCurrentIndex(nItem);
    return nPrevious;
}

CString CTabCtrl::GetItemText(int nItem) const {
    QTabBar* pBar = Bar(*this);
    return pBar ? pBar->tabText(nItem).toStdString() : CString();
}

int CTabCtrl::GetBarHeight() const {
    auto* pTab = qobject_cast<TabControlWidget*>(GetSafeHwnd());
    return pTab ? pTab->BarHeight() : 0;
}
