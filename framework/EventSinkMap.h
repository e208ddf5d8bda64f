#pragma once
// Event maps: one table per window class that binds events of hosted controls (control id,
// dispatch id) to handler members.

#include <vector>

#include "framework/Automation.h"

class CWnd;

// The handler's signature.
enum class EventSig {
    vI2StrStrPBool,  // void Handler(short, const CString&, const CString&, BOOL*)
};

using AFX_PEVENT_I2STRSTRPBOOL = void (CWnd::*)(short, const CString&, const CString&, BOOL*);

struct AFX_EVENTSINKMAP_ENTRY {
    int nCtrlID;  // 0 ends a table
    DISPID dispid;
    EventSig nSig;
    AFX_PEVENT_I2STRSTRPBOOL pfnI2StrStrPBool;
};

struct AFX_EVENTSINKMAP {
    const AFX_EVENTSINKMAP* (*pfnGetBaseMap)();
    const AFX_EVENTSINKMAP_ENTRY* lpEntries;
};

// Calls the handler of pEntry on pWnd when args match its signature; FALSE when they do not.
BOOL AfxDispatchEvent(CWnd* pWnd, const AFX_EVENTSINKMAP_ENTRY& entry,
                      std::vector<COleVariant>& args);

#define DECLARE_EVENTSINK_MAP()                           \
protected:                                                \
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap(); \
    const AFX_EVENTSINKMAP* GetEventSinkMap() const override;

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                \
    const AFX_EVENTSINKMAP* theClass::GetEventSinkMap() const { \
        return GetThisEventSinkMap();                           \
    }                                                           \
    const AFX_EVENTSINKMAP* theClass::GetThisEventSinkMap() {   \
        using TheBaseClass = baseClass;                         \
        static const AFX_EVENTSINKMAP_ENTRY entries[] = {
#define END_EVENTSINK_MAP()                                                                 \
    { 0, 0, EventSig::vI2StrStrPBool, nullptr }                                             \
    }                                                                                       \
    ;                                                                                       \
    static const AFX_EVENTSINKMAP eventMap = {&TheBaseClass::GetThisEventSinkMap, entries}; \
    return &eventMap;                                                                       \
    }

#define ON_EVENT_I2_STR_STR_PBOOL(theClass, id, dispid, memberFxn) \
    {id, dispid, EventSig::vI2StrStrPBool,                         \
     static_cast<AFX_PEVENT_I2STRSTRPBOOL>(&theClass::memberFxn)},
