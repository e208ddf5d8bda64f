#pragma once
// A tab control: a bare tab bar over a framed display area. Pages are not its children; they are
// siblings laid over the display area by their owner, so the bar never switches them itself.

#include <QTabBar>
#include <QWidget>

class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* pParent = nullptr);
    QTabBar* TabBar() const { return m_pTabBar; }
    // The bar's height with its tabs, or with one tab while it has none.
    int BarHeight() const;

signals:
    // A tab chosen: by a left click (pressed and released over the same tab, which is then
    // selected), or by any change of the selection.
    void Clicked(int nIndex);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QTabBar* m_pTabBar;
    int m_nPressedTab = -1;
};
