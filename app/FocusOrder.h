#pragma once
// The order Tab moves the focus in across the main window: the tab strip, then the shown page's
// controls as they are read (top to bottom, left to right), then the window's buttons. A box
// that cannot be typed into takes the focus only by a click.

#include <vector>

class QWidget;

// The controls under pPage that Tab stops on, in reading order.
std::vector<QWidget*> ReadingOrder(QWidget* pPage);
// Chains the focus through pFirst, the page's controls in reading order, then last.
void OrderFocus(QWidget* pFirst, QWidget* pPage, const std::vector<QWidget*>& last);
