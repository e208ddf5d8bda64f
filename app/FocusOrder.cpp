#include "app/FocusOrder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <algorithm>

namespace {

bool IsReadOnlyBox(const QWidget* pWidget) {
    if (const auto* pLine = qobject_cast<const QLineEdit*>(pWidget)) {
        return pLine->isReadOnly();
    }
    if (const auto* pText = qobject_cast<const QPlainTextEdit*>(pWidget)) {
        return pText->isReadOnly();
    }
    return false;
}

// The controls a user acts on; a combo box's own line goes with its box.
bool IsControl(const QWidget* pWidget) {
    if (qobject_cast<const QComboBox*>(pWidget->parentWidget())) {
        return false;
    }
    return qobject_cast<const QLineEdit*>(pWidget) ||
           qobject_cast<const QPlainTextEdit*>(pWidget) ||
           qobject_cast<const QAbstractButton*>(pWidget) ||
           qobject_cast<const QComboBox*>(pWidget) ||
           qobject_cast<const QAbstractItemView*>(pWidget);
}

}  // namespace

std::vector<QWidget*> ReadingOrder(QWidget* pPage) {
    std::vector<QWidget*> controls;
    if (!pPage) {
        return controls;
    }
    for (QWidget* pWidget : pPage->findChildren<QWidget*>()) {
        if (!IsControl(pWidget)) {
            continue;
        }
        if (IsReadOnlyBox(pWidget)) {
            pWidget->setFocusPolicy(Qt::ClickFocus);
        } else if (pWidget->focusPolicy() & Qt::TabFocus) {
            controls.push_back(pWidget);
        }
    }
    const auto place = [pPage](const QWidget* pWidget) {
        const QPoint at = pWidget->mapTo(pPage, QPoint(0, 0));
        return std::pair(at.y(), at.x());
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&place](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    return controls;
}

void OrderFocus(QWidget* pFirst, QWidget* pPage, const std::vector<QWidget*>& last) {
    std::vector<QWidget*> chain{pFirst};
    const std::vector<QWidget*> controls = ReadingOrder(pPage);
    chain.insert(chain.end(), controls.begin(), controls.end());
    chain.insert(chain.end(), last.begin(), last.end());
    chain.erase(std::remove(chain.begin(), chain.end(), nullptr), chain.end());
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}
