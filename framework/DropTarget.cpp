#include "framework/DropTarget.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "framework/Dialog.h"
#include "framework/DropFiles.h"

namespace {

QStringList LocalFiles(const QMimeData* pData) {
    QStringList files;
    if (pData) {
        for (const QUrl& url : pData->urls()) {
            if (url.isLocalFile()) {
                files += url.toLocalFile();
            }
        }
    }
    return files;
}

}  // namespace

DropTarget::DropTarget(CDialog* pOwner, QWidget* pWidget) : QObject(pWidget), m_pOwner(pOwner) {
    pWidget->setAcceptDrops(true);
    // Drops go to the deepest control that takes drops; watching them all is simplest here.
    qApp->installEventFilter(this);
}

bool DropTarget::IsMine(QObject* pWatched) const {
    for (auto* pWidget = qobject_cast<QWidget*>(pWatched); pWidget;
         pWidget = pWidget->parentWidget()) {
        if (pWidget->findChild<DropTarget*>(QString(), Qt::FindDirectChildrenOnly)) {
            return pWidget == parent();
        }
    }
    return false;
}

bool DropTarget::eventFilter(QObject* pWatched, QEvent* pEvent) {
    const QEvent::Type type = pEvent->type();
    if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
        !IsMine(pWatched)) {
        return false;
    }
    auto* pDrop = static_cast<QDropEvent*>(pEvent);
    const QStringList files = LocalFiles(pDrop->mimeData());
    if (files.isEmpty()) {
        return false;
    }
    pDrop->acceptProposedAction();
    if (type == QEvent::Drop) {
        Deliver(files);
    }
    return true;
}

void DropTarget::Deliver(const QStringList& files) {
    const AFX_MSGMAP_ENTRY* pEntry = m_pOwner->FindEntry(WM_DROPFILES, 0, 0);
    if (!pEntry) {
        return;
    }
    DropInfo info;
    for (const QString& file : files) {
        info.files.push_back(file.toStdString());
    }
    m_pOwner->Dispatch(*pEntry, &info);
}
