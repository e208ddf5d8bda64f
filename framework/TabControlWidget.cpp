#include "framework/TabControlWidget.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

TabControlWidget::TabControlWidget(QWidget* pParent)
    : QWidget(pParent), m_pTabBar(new QTabBar(this)) {
    m_pTabBar->setDrawBase(false);
    m_pTabBar->setExpanding(false);
    m_pTabBar->setFocusPolicy(Qt::TabFocus);
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
