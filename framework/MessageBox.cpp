#include "framework/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/DialogTemplate.h"

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

int AskSaveDiscardCancel(const CString& strText) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ovalis"),
                    QString::fromStdString(strText),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return IDYES;
        case QMessageBox::Discard:
            return IDNO;
        default:
            return IDCANCEL;
    }
}

int AskOkCancel(const CString& strText) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ovalis"),
                    QString::fromStdString(strText), QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    // A write is started only by a deliberate choice, never by a stray Enter.
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

int AskSaveAsTyped(const CString& strText) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ovalis"), QString::fromStdString(strText),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* pSave = box.addButton(QStringLiteral("Save as typed"), QMessageBox::AcceptRole);
    QPushButton* pBack = box.addButton(QStringLiteral("Go back"), QMessageBox::RejectRole);
    box.setDefaultButton(pBack);
    box.exec();
    return box.clickedButton() == pSave ? IDOK : IDCANCEL;
}

}  // namespace

int AfxMessageBox(const CString& strText, UINT nType) {
    if (Hook()) {
        return Hook()(strText, nType);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return IDOK;  // no user interface to show it on
    }
    if ((nType & 0x000F) == MB_SAVEDISCARDCANCEL) {
        return AskSaveDiscardCancel(strText);
    }
    if ((nType & 0x000F) == MB_OKCANCEL) {
        return AskOkCancel(strText);
    }
    if ((nType & 0x000F) == MB_SAVEASTYPED) {
        return AskSaveAsTyped(strText);
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ovalis"), QString::fromStdString(strText),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return IDOK;
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
