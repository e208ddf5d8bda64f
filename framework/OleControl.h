#pragma once
// A control hosted in a window object and driven through automation: calls by dispatch id and
// events raised back to the dialog that hosts it. The control is a widget; the window object that
// holds it (CWnd::CreateControl) makes the calls.

#include <QWidget>
#include <functional>
#include <vector>

#include "framework/Automation.h"

class COleControl : public QWidget {
    Q_OBJECT
public:
    using EventSink = std::function<void(DISPID dispid, std::vector<COleVariant>& args)>;

    explicit COleControl(QWidget* pParent) : QWidget(pParent) {}

    // One automation call. FALSE when the control refuses it, with the reason in *pError.
    virtual BOOL Invoke(DISPID dispid, WORD wFlags, const std::vector<COleVariant>& args,
                        COleVariant* pResult, CString* pError) = 0;
    void SetEventSink(EventSink sink) { m_sink = std::move(sink); }

protected:
    void FireEvent(DISPID dispid, std::vector<COleVariant> args) {
        if (m_sink) {
            m_sink(dispid, args);
        }
    }

private:
    EventSink m_sink;
};

// Makes the control registered for a class id as a child of pParent; null when it cannot be
// made (not installed, or what it needs is missing).
using ControlFactory = std::function<COleControl*(QWidget* pParent)>;

// Replaces the control registered for clsid (an empty factory unregisters it); returns the
// previous one. Tests put a recording control here.
ControlFactory AfxRegisterControl(const CLSID& clsid, ControlFactory factory);
ControlFactory AfxFindControl(const CLSID& clsid);
// Lets dialogs host controls; until then every CreateControl fails.
void AfxEnableControlContainer();
bool AfxControlContainerEnabled();
