#include "framework/AboutBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

AboutBoxHook& Hook() {
    static AboutBoxHook hook;
    return hook;
}

}  // namespace

void AfxAboutBox(const CString& strTitle, const CString& strText) {
    if (Hook()) {
        Hook()(strTitle, strText);
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(strTitle),
                    QString::fromStdString(strText), QMessageBox::Ok, QApplication::activeWindow());
    // Paths and version numbers are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.exec();
}

AboutBoxHook SetAboutBoxHook(AboutBoxHook hook) {
    AboutBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
