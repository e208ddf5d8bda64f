#pragma once
// The window through which the program hosts the media player control and calls it. Every call
// returns at once, without effect, while no control is held.

#include "framework/Wnd.h"

class CActiveMovie : public CWnd {
    DECLARE_DYNCREATE(CActiveMovie)
public:
    static CLSID GetClsid();

    // Creates the control by its class id; the class name and the context are not used.
    BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle,
                const CRect& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);

    void HaltPlayback();
    // The path last set, or empty when the player holds none or the call failed.
    CString GetMediaPath();
    void SetMediaPath(const CString& strPath);
    void SetStartupFlag(BOOL bStart);
};
