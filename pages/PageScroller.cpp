#include "pages/PageScroller.h"

#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kBottomMargin = 6;

}  // namespace

void CPageScroller::Attach(QWidget* pPage) {
    if (m_pPage == pPage) {
        Update();
        return;
    }
    m_pPage = pPage;
    m_nOffset = 0;
    m_pBar = new QScrollBar(Qt::Vertical, pPage);
    m_pBar->hide();
    QObject::connect(m_pBar, &QScrollBar::valueChanged, this,
                     [this](int nValue) { ScrollTo(nValue); });
    pPage->installEventFilter(this);
    Update();
}

int CPageScroller::ContentHeight() const {
    int nBottom = 0;
    for (QObject* pChild : m_pPage->children()) {
        auto* pWidget = qobject_cast<QWidget*>(pChild);
        if (pWidget && pWidget != m_pBar && !pWidget->isHidden()) {
            nBottom = std::max(nBottom, pWidget->geometry().bottom() + 1 + m_nOffset);
        }
    }
    return nBottom + kBottomMargin;
}

void CPageScroller::Update() {
    if (!m_pPage || !m_pBar) {
        return;
    }
    const int nHidden = ContentHeight() - m_pPage->height();
    if (nHidden <= 0) {
        ScrollTo(0);
        m_pBar->hide();
        return;
    }
    m_pBar->setRange(0, nHidden);
    m_pBar->setPageStep(m_pPage->height());
    m_pBar->setSingleStep(m_pPage->fontMetrics().height());
    PlaceBar();
    m_pBar->show();
    m_pBar->raise();
}

void CPageScroller::PlaceBar() {
    const int nWidth = m_pBar->sizeHint().width();
    m_pBar->setGeometry(m_pPage->width() - nWidth, 0, nWidth, m_pPage->height());
}

void CPageScroller::ScrollTo(int nOffset) {
    if (!m_pPage || nOffset == m_nOffset) {
        return;
    }
    m_pPage->scroll(0, m_nOffset - nOffset);
    m_nOffset = nOffset;
    if (m_pBar) {
        // The scroll moved the bar with the controls; it stays at the page's edge.
        PlaceBar();
        m_pBar->setValue(nOffset);
    }
}

bool CPageScroller::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pPage && pEvent->type() == QEvent::Resize) {
        Update();
    } else if (pWatched == m_pPage && pEvent->type() == QEvent::Wheel && m_pBar &&
               m_pBar->isVisible()) {
        const int nSteps = static_cast<QWheelEvent*>(pEvent)->angleDelta().y() / 120;
        m_pBar->setValue(m_pBar->value() - nSteps * m_pBar->singleStep() * 3);
        return true;
    }
    return QObject::eventFilter(pWatched, pEvent);
}
