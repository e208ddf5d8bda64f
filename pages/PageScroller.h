#pragma once
// Lets a page whose controls reach past the area it is placed in scroll them inside that area: a
// vertical scroll bar at the page's right edge appears when the visible controls are taller than
// the page, a horizontal one at its bottom when they are wider, and each moves them all together.
// At the start, every control stands where the page's template put it.

#include <QObject>
#include <QPointer>
#include <QSize>

class QScrollBar;
class QWidget;

class CPageScroller : public QObject {
public:
    // Watches pPage's size and wheel; call again when controls were shown or hidden.
    void Attach(QWidget* pPage);
    void Update();
    // Scrolls so that pControl, a control on the page, is in view.
    void ShowControl(QWidget* pControl);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct Axis {
        QPointer<QScrollBar> pBar;
        int nOffset = 0;  // pixels the controls are moved up or left by
    };

    QSize ContentSize() const;
    void UpdateAxis(Axis& axis, int nContent, int nVisible);
    void ScrollTo(Axis& axis, int nOffset);
    void PlaceBars();

    QPointer<QWidget> m_pPage;
    Axis m_down;
    Axis m_across;
};
