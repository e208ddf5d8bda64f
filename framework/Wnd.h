#pragma once
// A window object: a plain C++ object that may or may not hold a Qt widget, exactly like a window
// object before its window is created. Window objects are built long before any QApplication
// exists (chunk prototypes hold pages), so nothing here touches Qt until a widget is attached.

#include <memory>
#include <vector>

#include "core/base/Object.h"
#include "framework/EventSinkMap.h"
#include "framework/MessageMap.h"

class QWidget;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The widget, or null while the object is windowless (never created, destroyed, or deleted
    // by its Qt parent first).
    QWidget* GetSafeHwnd() const;
    bool IsWindowless() const { return GetSafeHwnd() == nullptr; }

    // Binds the object to a widget. An owning object deletes the widget when it is destroyed; a
    // bound control (owned by its dialog's widget) only forgets it.
    void Attach(QWidget* pWidget, bool bOwnsWidget);
    QWidget* Detach();
    virtual BOOL DestroyWindow();

    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
    void GetWindowRect(CRect* pRect) const;  // in screen coordinates
    void GetClientRect(CRect* pRect) const;
    void ScreenToClient(CRect* pRect) const;
    void SetWindowText(const CString& strText);
    CString GetWindowText() const;
    void SetFocus();
    // For an edit box: whether the user may change its text. FALSE for any other window.
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    // For a one-line edit box: the most characters the user may type. FALSE for any other
    // window (a multi-line box takes any length).
    BOOL SetLimitText(int nMaxChars);
    void Invalidate(BOOL bErase = TRUE);

    // The control with this id inside this window, as a window object the window keeps; null
    // when there is none.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Hosting a control (OleControl.cpp): creates the control registered for clsid as a child
    // of pParentWnd, whose event map then receives its events. FALSE when control hosting is not
    // enabled, the parent has no window, or the control cannot be made.
    BOOL CreateControl(const CLSID& clsid, const char* lpszWindowName, DWORD dwStyle,
                       const CRect& rect, CWnd* pParentWnd, UINT nID, void* pPersist = nullptr);
    // One automation call on the hosted control. A call the control refuses is reported in a
    // message box and gives FALSE; it never ends the user's action. FALSE at once with no control.
    BOOL InvokeHelper(DISPID dispid, WORD wFlags, COleVariant* pResult,
                      const std::vector<COleVariant>& args = {});
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;

private:
    struct Binding;
    std::unique_ptr<Binding> m_binding;
    mutable std::unique_ptr<struct ControlCache> m_controls;
};

// Widgets made from dialog templates carry their control id in this property.
inline constexpr const char* kControlIdProperty = "ovalisControlId";
