#include "pages/PageScroller.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kMargin = 6;

QScrollBar* MakeBar(Qt::Orientation orientation, QWidget* pPage) {
    auto* pBar = new QScrollBar(orientation, pPage);
    pBar->hide();
    return pBar;
}

}  // namespace

void CPageScroller::Attach(QWidget* pPage) {
    if (m_pPage == pPage) {
        Update();
        return;
    }
    m_pPage = pPage;
    m_down = {MakeBar(Qt::Vertical, pPage), 0};
    m_across = {MakeBar(Qt::Horizontal, pPage), 0};
    QObject::connect(m_down.pBar, &QScrollBar::valueChanged, this,
                     [this](int nValue) { ScrollTo(m_down, nValue); });
    QObject::connect(m_across.pBar, &QScrollBar::valueChanged, this,
                     [this](int nValue) { ScrollTo(m_across, nValue); });
    pPage->installEventFilter(this);
    // A control reached by Tab comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* pNow) {
        if (m_pPage && pNow && m_pPage->isAncestorOf(pNow)) {
            ShowControl(pNow);
        }
    });
    Update();
}

void CPageScroller::ShowControl(QWidget* pControl) {
    const QRect placed(pControl->mapTo(m_pPage, QPoint(0, 0)), pControl->size());
    const auto bring = [](Axis& axis, int nStart, int nEnd, int nVisible) {
        if (!axis.pBar || !axis.pBar->isVisible()) {
            return;
        }
        if (nEnd > nVisible) {
            axis.pBar->setValue(axis.nOffset + std::min(nEnd - nVisible, nStart));
        } else if (nStart < 0) {
            axis.pBar->setValue(axis.nOffset + nStart);
        }
    };
    const int nBarWidth = m_down.pBar && m_down.pBar->isVisible() ? m_down.pBar->width() : 0;
    const int nBarHeight =
        m_across.pBar && m_across.pBar->isVisible() ? m_across.pBar->height() : 0;
    bring(m_down, placed.top() - kMargin, placed.bottom() + 1 + kMargin,
          m_pPage->height() - nBarHeight);
    bring(m_across, placed.left() - kMargin, placed.right() + 1 + kMargin,
          m_pPage->width() - nBarWidth);
}

QSize CPageScroller::ContentSize() const {
    QSize size;
    for (QObject* pChild : m_pPage->children()) {
        auto* pWidget = qobject_cast<QWidget*>(pChild);
        if (pWidget && pWidget != m_down.pBar && pWidget != m_across.pBar && !pWidget->isHidden()) {
            const QRect placed = pWidget->geometry();
            size = size.expandedTo(
                QSize(placed.right() + 1 + m_across.nOffset, placed.bottom() + 1 + m_down.nOffset));
        }
    }
    return size + QSize(kMargin, kMargin);
}

void CPageScroller::Update() {
    if (!m_pPage || !m_down.pBar || !m_across.pBar) {
        return;
    }
    const QSize content = ContentSize();
    const int nBarWidth = m_down.pBar->sizeHint().width();
    const int nBarHeight = m_across.pBar->sizeHint().height();
    // A bar along one edge takes room from the other direction.
    bool bDown = content.height() > m_pPage->height();
    const bool bAcross = content.width() > m_pPage->width() - (bDown ? nBarWidth : 0);
    bDown = content.height() > m_pPage->height() - (bAcross ? nBarHeight : 0);
    UpdateAxis(m_down, bDown ? content.height() : 0,
               m_pPage->height() - (bAcross ? nBarHeight : 0));
    UpdateAxis(m_across, bAcross ? content.width() : 0, m_pPage->width() - (bDown ? nBarWidth : 0));
    PlaceBars();
}

void CPageScroller::UpdateAxis(Axis& axis, int nContent, int nVisible) {
    const int nHidden = nContent - nVisible;
    if (nHidden <= 0) {
        ScrollTo(axis, 0);
        axis.pBar->hide();
        return;
    }
    axis.pBar->setRange(0, nHidden);
    axis.pBar->setPageStep(nVisible);
    axis.pBar->setSingleStep(m_pPage->fontMetrics().height());
    axis.pBar->show();
    axis.pBar->raise();
}

void CPageScroller::PlaceBars() {
    const bool bDown = m_down.pBar->isVisible();
    const bool bAcross = m_across.pBar->isVisible();
    const int nWidth = m_down.pBar->sizeHint().width();
    const int nHeight = m_across.pBar->sizeHint().height();
    m_down.pBar->setGeometry(m_pPage->width() - nWidth, 0, nWidth,
                             m_pPage->height() - (bAcross ? nHeight : 0));
    m_across.pBar->setGeometry(0, m_pPage->height() - nHeight,
                               m_pPage->width() - (bDown ? nWidth : 0), nHeight);
}

void CPageScroller::ScrollTo(Axis& axis, int nOffset) {
    if (!m_pPage || nOffset == axis.nOffset) {
        return;
    }
    const int nBy = axis.nOffset - nOffset;
    const bool bDown = &axis == &m_down;
    m_pPage->scroll(bDown ? 0 : nBy, bDown ? nBy : 0);
    axis.nOffset = nOffset;
    // The scroll moved the bars with the controls; they stay at the page's edges.
    PlaceBars();
    axis.pBar->setValue(nOffset);
}

bool CPageScroller::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pPage && pEvent->type() == QEvent::Resize) {
        Update();
    } else if (pWatched == m_pPage && pEvent->type() == QEvent::Wheel) {
        Axis& axis = m_down.pBar && m_down.pBar->isVisible() ? m_down : m_across;
        if (axis.pBar && axis.pBar->isVisible()) {
            const int nSteps = static_cast<QWheelEvent*>(pEvent)->angleDelta().y() / 120;
            axis.pBar->setValue(axis.pBar->value() - nSteps * axis.pBar->singleStep() * 3);
            return true;
        }
    }
    return QObject::eventFilter(pWatched, pEvent);
}
