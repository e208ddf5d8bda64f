#include "framework/TabCtrl.h"

#include <QPainter>
#include <QPixmap>

#include "framework/TabControlWidget.h"

namespace {

QTabBar* Bar(const CWnd& wnd) {
    auto* pTab = qobject_cast<TabControlWidget*>(wnd.GetSafeHwnd());
    return pTab ? pTab->TabBar() : nullptr;
}

// A filled dot in the bar's text colour, the mark of a tab with unsaved edits.
QIcon EditedMark(const QTabBar& bar) {
    const int nSide = bar.fontMetrics().height();
    QPixmap pixmap(nSide * 2, nSide * 2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bar.palette().color(QPalette::WindowText));
    painter.drawEllipse(QRectF(nSide * 0.5, nSide * 0.5, nSide, nSide));
    painter.end();
    pixmap.setDevicePixelRatio(2);
    return QIcon(pixmap);
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

BOOL CTabCtrl::SetItemMarked(int nItem, bool bMarked) {
    QTabBar* pBar = Bar(*this);
    if (!pBar || nItem < 0 || nItem >= pBar->count()) {
        return FALSE;
    }
    if (IsItemMarked(nItem) != bMarked) {
        pBar->setTabIcon(nItem, bMarked ? EditedMark(*pBar) : QIcon());
    }
    return TRUE;
}

bool CTabCtrl::IsItemMarked(int nItem) const {
    QTabBar* pBar = Bar(*this);
    return pBar && !pBar->tabIcon(nItem).isNull();
}
