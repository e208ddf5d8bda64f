#include "framework/WidgetText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/ElidedLabel.h"
#include "framework/Wnd.h"

QString WidgetText(const QWidget* pWidget) {
    if (auto* pEdit = qobject_cast<const QLineEdit*>(pWidget)) {
        return pEdit->text();
    }
    if (auto* pText = qobject_cast<const QPlainTextEdit*>(pWidget)) {
        return pText->toPlainText();
    }
    if (auto* pElided = qobject_cast<const ElidedLabel*>(pWidget)) {
        return pElided->FullText();
    }
    if (auto* pLabel = qobject_cast<const QLabel*>(pWidget)) {
        return pLabel->text();
    }
    if (auto* pButton = qobject_cast<const QAbstractButton*>(pWidget)) {
        return pButton->text();
    }
    if (auto* pGroup = qobject_cast<const QGroupBox*>(pWidget)) {
        return pGroup->title();
    }
    return pWidget->windowTitle();
}

void SetWidgetText(QWidget* pWidget, const QString& text) {
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        pEdit->setText(text);
        pEdit->setCursorPosition(0);
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        pText->setPlainText(text);
    } else if (auto* pElided = qobject_cast<ElidedLabel*>(pWidget)) {
        pElided->SetFullText(text);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        pLabel->setText(text);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(text);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(text);
    } else {
        pWidget->setWindowTitle(text);
    }
}

void SelectAllText(QWidget* pWidget) {
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        pEdit->selectAll();
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        pText->selectAll();
    }
}

bool SetEditReadOnly(QWidget* pWidget, bool bReadOnly) {
    if (auto* pEdit = qobject_cast<QLineEdit*>(pWidget)) {
        pEdit->setReadOnly(bReadOnly);
    } else if (auto* pText = qobject_cast<QPlainTextEdit*>(pWidget)) {
        pText->setReadOnly(bReadOnly);
    } else {
        return false;
    }
    // A box that cannot be changed looks disabled, as the user expects of it.
    QPalette palette = pWidget->palette();
    const QPalette normal = QApplication::palette(pWidget);
    palette.setColor(QPalette::Base, normal.color(bReadOnly ? QPalette::Window : QPalette::Base));
    pWidget->setPalette(palette);
    return true;
}

QWidget* FindControl(const QWidget* pParent, int nID) {
    for (QObject* pChild : pParent->children()) {
        auto* pWidget = qobject_cast<QWidget*>(pChild);
        const QVariant id = pChild->property(kControlIdProperty);
        if (pWidget && id.isValid() && id.toInt() == nID) {
            return pWidget;
        }
    }
    // A control that a page placed inside a widget of its own (a scroll area) is still its own.
    for (QWidget* pWidget : pParent->findChildren<QWidget*>()) {
        const QVariant id = pWidget->property(kControlIdProperty);
        if (id.isValid() && id.toInt() == nID) {
            return pWidget;
        }
    }
    return nullptr;
}
