#include "framework/DialogWidgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"

DialogWindow::DialogWindow(CDialog* pOwner, QWidget* pParent)
    : QDialog(pParent), m_pOwner(pOwner) {}

void DialogWindow::keyPressEvent(QKeyEvent* pEvent) {
    const int key = pEvent->key();
    if (key == Qt::Key_Escape) {
        m_pOwner->OnKeyCommand(IDCANCEL);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter on a focused button presses it; anywhere else it is the OK command.
        if (auto* pButton = qobject_cast<QPushButton*>(focusWidget())) {
            pButton->click();
        } else {
            m_pOwner->OnKeyCommand(IDOK);
        }
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void DialogWindow::closeEvent(QCloseEvent* pEvent) {
    pEvent->ignore();
    m_pOwner->OnCommand(IDCANCEL);
}

void DialogWindow::reject() {
    m_pOwner->OnCommand(IDCANCEL);
}

PageWidget::PageWidget(QWidget* pParent) : QWidget(pParent) {}

void PageWidget::keyPressEvent(QKeyEvent* pEvent) {
    const int key = pEvent->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        pEvent->accept();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}
