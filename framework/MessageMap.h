#pragma once
// Message maps: one table per window class that binds control ids and notifications to handler
// members. The dialog layer connects the entries when the window is created.

#include "core/base/Types.h"

class CWnd;

struct NMHDR {
    CWnd* hwndFrom;
    int idFrom;
    UINT code;
};
using LRESULT = long;
struct DropInfo;
using HDROP = DropInfo*;

constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_DROPFILES = 0x0233;
constexpr UINT BN_CLICKED = 0;
constexpr UINT NM_CLICK = static_cast<UINT>(-2);

// The handler's signature, so that the layer calls it with the right arguments.
enum class MsgSig {
    vv,       // void Handler()
    vNotify,  // void Handler(NMHDR* pNMHDR, LRESULT* pResult)
    vDrop,    // void Handler(HDROP hDropInfo)
};

using AFX_PMSG = void (CWnd::*)();
using AFX_PMSG_NOTIFY = void (CWnd::*)(NMHDR*, LRESULT*);
using AFX_PMSG_DROP = void (CWnd::*)(HDROP);

// One handler, under the member that matches its signature. An entry with no message ends a
// table.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    int nID;
    MsgSig nSig;
    AFX_PMSG pfn;
    AFX_PMSG_NOTIFY pfnNotify;
    AFX_PMSG_DROP pfnDrop;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                           \
protected:                                              \
    static const AFX_MSGMAP* GetThisMessageMap();       \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                            \
        using ThisClass [[maybe_unused]] = theClass;                                            \
        using TheBaseClass = baseClass;                                          \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                     \
    {0, 0, 0, MsgSig::vv, nullptr, nullptr, nullptr}};                                          \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &messageMap;                                                   \
    }

#define ON_BN_CLICKED(id, memberFxn) \
    {WM_COMMAND, BN_CLICKED, id, MsgSig::vv, static_cast<AFX_PMSG>(memberFxn), nullptr, nullptr},

#define ON_NOTIFY(code, id, memberFxn)                           \
    {WM_NOTIFY, code, id, MsgSig::vNotify, nullptr, static_cast<AFX_PMSG_NOTIFY>(memberFxn), nullptr},

#define ON_WM_DROPFILES()                  \
    {WM_DROPFILES, 0, 0, MsgSig::vDrop, nullptr, nullptr,   \
     static_cast<AFX_PMSG_DROP>(&ThisClass::OnDropFiles)},
