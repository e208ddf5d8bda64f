#include "framework/TabControlWidget.h"

#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

TabControlWidget::TabControlWidget(QWidget* pParent)
    : QWidget(pParent), m_pTabBar(new QTabBar(this)) {
    m_pTabBar->setDrawBase(false);
    m_pTabBar->setExpanding(false);
    m_pTabBar->setFocusPolicy(Qt::TabFocus);
    m_pTabBar->installEventFilter(this);
    // The arrow keys on the focused bar and a selection made in code choose a tab as a click
    // does, so that the page shown is always the selected tab's.
    connect(m_pTabBar, &QTabBar::currentChanged, this, [this](int nIndex) {
        if (nIndex >= 0) {
            emit Clicked(nIndex);
        }
    });
}

int TabControlWidget::BarHeight() const {
    if (m_pTabBar->count() > 0) {
        return m_pTabBar->sizeHint().height();
    }
    QTabBar probe;
    probe.setFont(m_pTabBar->font());
    probe.addTab(QStringLiteral("empty"));
    return probe.sizeHint().height();
}

bool TabControlWidget::eventFilter(QObject* pWatched, QEvent* pEvent) {
    const QEvent::Type type = pEvent->type();
    if (pWatched != m_pTabBar ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)) {
        return QWidget::eventFilter(pWatched, pEvent);
    }
    auto* pMouse = static_cast<QMouseEvent*>(pEvent);
    const int nTab = m_pTabBar->tabAt(pMouse->position().toPoint());
    if (pMouse->button() != Qt::LeftButton) {
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        m_nPressedTab = nTab;
    } else if (nTab >= 0 && nTab == m_nPressedTab) {
        m_nPressedTab = -1;
        // The owner reads the selection while it handles the click: make it the clicked tab.
        m_pTabBar->setCurrentIndex(nTab);
        emit Clicked(nTab);
    }
    return false;
}

void TabControlWidget::resizeEvent(QResizeEvent* pEvent) {
    QWidget::resizeEvent(pEvent);
    m_pTabBar->setGeometry(0, 0, width(), m_pTabBar->sizeHint().height());
}

void TabControlWidget::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    const int nBarHeight = m_pTabBar->sizeHint().height();
    option.rect = QRect(0, nBarHeight - 1, width(), height() - nBarHeight + 1);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = m_pTabBar->sizeHint();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}
