#include "framework/WaitCursor.h"

#include <QApplication>

CWaitCursor::CWaitCursor() : m_bShown(qobject_cast<QApplication*>(QCoreApplication::instance())) {
    if (m_bShown) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

CWaitCursor::~CWaitCursor() {
    if (m_bShown) {
        QApplication::restoreOverrideCursor();
    }
}
