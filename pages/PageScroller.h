#pragma once
// Lets a page whose controls reach below the area it is placed in scroll them inside that area:
// a vertical scroll bar at the page's right edge appears when the visible controls are taller
// than the page, and moves them all together. At the top, every control stands where the page's
// template put it.

#include <QObject>
#include <QPointer>

class QScrollBar;
class QWidget;

class CPageScroller : public QObject {
public:
    // Watches pPage's size and wheel; call again when controls were shown or hidden.
    void Attach(QWidget* pPage);
    void Update();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    int ContentHeight() const;
    void ScrollTo(int nOffset);
    void PlaceBar();

    QPointer<QWidget> m_pPage;
    QPointer<QScrollBar> m_pBar;
    int m_nOffset = 0;  // pixels the controls are moved up by
};
