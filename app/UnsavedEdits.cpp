#include "app/UnsavedEdits.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <optional>

namespace {

// The box's text, when it is a box the user can type into.
std::optional<QString> EditableText(const QWidget* pWidget) {
    if (const auto* pLine = qobject_cast<const QLineEdit*>(pWidget)) {
        return pLine->isReadOnly() ? std::nullopt : std::optional(pLine->text());
    }
    if (const auto* pText = qobject_cast<const QPlainTextEdit*>(pWidget)) {
        return pText->isReadOnly() ? std::nullopt : std::optional(pText->toPlainText());
    }
    return std::nullopt;
}

void NotifyChanges(QWidget* pBox, const std::function<void()>& onTyped) {
    if (auto* pLine = qobject_cast<QLineEdit*>(pBox)) {
        QObject::connect(pLine, &QLineEdit::textChanged, pLine, onTyped);
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pBox)) {
        QObject::connect(pText, &QPlainTextEdit::textChanged, pText, onTyped);
    }
}

}  // namespace

void CUnsavedEdits::Record(QWidget* pPage, const std::function<void()>& onTyped) {
    if (!pPage) {
        return;
    }
    for (QWidget* pBox : pPage->findChildren<QWidget*>()) {
        const bool bKnown = std::any_of(m_boxes.begin(), m_boxes.end(),
                                        [pBox](const auto& box) { return box.first == pBox; });
        // A combo box's line picks what to add; it holds no value of the file.
        if (bKnown || qobject_cast<QComboBox*>(pBox->parentWidget())) {
            continue;
        }
        if (const std::optional<QString> text = EditableText(pBox)) {
            m_boxes.emplace_back(pBox, *text);
            if (onTyped) {
                NotifyChanges(pBox, onTyped);
            }
        }
    }
}

void CUnsavedEdits::Clear() {
    m_boxes.clear();
}

namespace {

bool Changed(const std::pair<QPointer<QWidget>, QString>& box) {
    const std::optional<QString> now = box.first ? EditableText(box.first) : std::nullopt;
    return now && *now != box.second;
}

}  // namespace

bool CUnsavedEdits::Any() const {
    return std::any_of(m_boxes.begin(), m_boxes.end(), Changed);
}

bool CUnsavedEdits::AnyIn(const QWidget* pPage) const {
    return pPage && std::any_of(m_boxes.begin(), m_boxes.end(), [pPage](const auto& box) {
               return box.first && pPage->isAncestorOf(box.first) && Changed(box);
           });
}
