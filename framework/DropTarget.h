#pragma once
// Takes the files dropped anywhere on a dialog that accepts them, its controls included (an edit
// box would otherwise take a dropped file as text), and hands them to the dialog's handler for
// dropped files. A dialog without that handler takes the drop and does nothing with it. A
// dialog inside it that accepts files itself keeps its own drops.

#include <QObject>
#include <vector>

#include "core/base/Types.h"

class CDialog;
class QWidget;

class DropTarget : public QObject {
    Q_OBJECT
public:
    DropTarget(CDialog* pOwner, QWidget* pWidget);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool IsMine(QObject* pWatched) const;
    void Deliver(std::vector<CString> files);

    CDialog* m_pOwner;
};
