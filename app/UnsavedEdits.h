#pragma once
// The texts of the pages' editable boxes as they were shown, so that the window can tell whether
// the user has typed an edit that no save has stored yet.

#include <QPointer>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

class CUnsavedEdits {
public:
    // Remembers the text of every editable box on pPage as it is now, and calls onTyped
    // whenever one of them changes from then on; a box remembered already stays as it was.
    void Record(QWidget* pPage, const std::function<void()>& onTyped = {});
    void Clear();
    // Whether a remembered box holds other text now.
    bool Any() const;
    // Whether a remembered box on pPage holds other text now.
    bool AnyIn(const QWidget* pPage) const;

private:
    std::vector<std::pair<QPointer<QWidget>, QString>> m_boxes;
};
