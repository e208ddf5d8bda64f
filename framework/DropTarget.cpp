#include "framework/DropTarget.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include "framework/Dialog.h"
#include "framework/DropFiles.h"

namespace {

// Each path's own bytes, taken from the percent-encoded address: decoding it into text would
// turn a name that is not valid UTF-8 into another name.
std::vector<CString> LocalFiles(const QMimeData* pData) {
    std::vector<CString> files;
    if (pData) {
        for (const QUrl& url : pData->urls()) {
            if (url.isLocalFile()) {
                const QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
                files.push_back(QByteArray::fromPercentEncoding(path).toStdString());
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
    std::vector<CString> files = LocalFiles(pDrop->mimeData());
    if (files.empty()) {
        return false;
    }
    pDrop->acceptProposedAction();
    if (type == QEvent::Drop) {
        Deliver(std::move(files));
    }
    return true;
}

void DropTarget::Deliver(std::vector<CString> files) {
    const AFX_MSGMAP_ENTRY* pEntry = m_pOwner->FindEntry(WM_DROPFILES, 0, 0);
    if (!pEntry) {
        return;
    }
    DropInfo info;
    info.files = std::move(files);
    m_pOwner->Dispatch(*pEntry, &info);
}
