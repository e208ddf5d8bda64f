// Control hosting: the registry of controls by class id, and the window object's side of a
// hosted control (creation, automation calls, events to the parent's event map).

#include "framework/OleControl.h"

#include <vector>

#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"
#include "framework/Wnd.h"

namespace {

struct RegisteredControl {
    CLSID clsid;
    ControlFactory factory;
};

std::vector<RegisteredControl>& Registry() {
    // The program registers the controls it installs among its static objects.
    static std::vector<RegisteredControl> registry;
    return registry;
}

bool& ContainerEnabled() {
    static bool bEnabled = false;
    return bEnabled;
}

const AFX_EVENTSINKMAP_ENTRY* FindEventEntry(const CWnd* pWnd, int nCtrlID, DISPID dispid) {
    for (const AFX_EVENTSINKMAP* pMap = pWnd->GetEventSinkMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nCtrlID; ++pEntry) {
            if (pEntry->nCtrlID == nCtrlID && pEntry->dispid == dispid) {
                return pEntry;
            }
        }
    }
    return nullptr;
}

}  // namespace

ControlFactory AfxRegisterControl(const CLSID& clsid, ControlFactory factory) {
    for (auto it = Registry().begin(); it != Registry().end(); ++it) {
        if (it->clsid == clsid) {
            ControlFactory previous = std::move(it->factory);
            if (factory) {
                it->factory = std::move(factory);
            } else {
                Registry().erase(it);
            }
            return previous;
        }
    }
    if (factory) {
        Registry().push_back({clsid, std::move(factory)});
    }
    return {};
}

ControlFactory AfxFindControl(const CLSID& clsid) {
    for (const RegisteredControl& control : Registry()) {
        if (control.clsid == clsid) {
            return control.factory;
        }
    }
    return {};
}

void AfxEnableControlContainer() {
    ContainerEnabled() = true;
}

bool AfxControlContainerEnabled() {
    return ContainerEnabled();
}

BOOL AfxDispatchEvent(CWnd* pWnd, const AFX_EVENTSINKMAP_ENTRY& entry,
                      std::vector<COleVariant>& args) {
    switch (entry.nSig) {
        case EventSig::vI2StrStrPBool:
            if (args.size() != 4 || !std::holds_alternative<short>(args[0]) ||
                !std::holds_alternative<CString>(args[1]) ||
                !std::holds_alternative<CString>(args[2]) ||
                !std::holds_alternative<BOOL*>(args[3])) {
                return FALSE;
            }
            (pWnd->*entry.pfnI2StrStrPBool)(std::get<short>(args[0]), std::get<CString>(args[1]),
                                            std::get<CString>(args[2]), std::get<BOOL*>(args[3]));
            return TRUE;
    }
    return FALSE;
}

BOOL CWnd::CreateControl(const CLSID& clsid, const char* lpszWindowName, DWORD dwStyle,
                         const CRect& rect, CWnd* pParentWnd, UINT nID, void* /*pPersist*/) {
    QWidget* pParent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    const ControlFactory factory = AfxFindControl(clsid);
    if (!AfxControlContainerEnabled() || !pParent || !factory || !IsWindowless()) {
        return FALSE;
    }
    COleControl* pControl = factory(pParent);
    if (!pControl) {
        return FALSE;
    }
    pControl->setObjectName(QString::fromStdString(lpszWindowName ? lpszWindowName : ""));
    pControl->setProperty(kControlIdProperty, static_cast<int>(nID));
    pControl->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    pControl->setVisible(dwStyle & WS_VISIBLE);
    const int nCtrlID = static_cast<int>(nID);
    pControl->SetEventSink([pParentWnd, nCtrlID](DISPID dispid, std::vector<COleVariant>& args) {
        if (const AFX_EVENTSINKMAP_ENTRY* pEntry = FindEventEntry(pParentWnd, nCtrlID, dispid)) {
            AfxDispatchEvent(pParentWnd, *pEntry, args);
        }
    });
    Attach(pControl, true);
    return TRUE;
}

BOOL CWnd::InvokeHelper(DISPID dispid, WORD wFlags, COleVariant* pResult,
                        const std::vector<COleVariant>& args) {
    auto* pControl = qobject_cast<COleControl*>(GetSafeHwnd());
    if (!pControl) {
        return FALSE;
    }
    COleVariant result;
    CString strError;
    if (!pControl->Invoke(dispid, wFlags, args, &result, &strError)) {
        AfxMessageBox("A control refused a call: " + strError);
        return FALSE;
    }
    if (pResult) {
        *pResult = std::move(result);
    }
    return TRUE;
}

const AFX_EVENTSINKMAP* CWnd::GetThisEventSinkMap() {
    static const AFX_EVENTSINKMAP_ENTRY entries[] = {{0, 0, EventSig::vI2StrStrPBool, nullptr}};
    static const AFX_EVENTSINKMAP eventMap = {nullptr, entries};
    return &eventMap;
}

const AFX_EVENTSINKMAP* CWnd::GetEventSinkMap() const {
    return GetThisEventSinkMap();
}
