#pragma once
// A tab control bound to a dialog's TabControlWidget: items by index, and the selection.

#include "framework/Wnd.h"

class CTabCtrl : public CWnd {
public:
    // The index the item got, or -1 when the control has no window.
    int InsertItem(int nItem, const CString& strText);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // The selected item: during a click notification, the item that was clicked. -1 for none.
    int GetCurSel() const;
    CString GetItemText(int nItem) const;
    // Selects the item, as a click on it would show it; -1 when there is no such item.
    int SetCurSel(int nItem);
    // The text shown while the pointer rests on the item; FALSE when there is no such item.
    BOOL SetItemToolTip(int nItem, const CString& strText);
    // Marks the item as holding unsaved edits (a dot before its text, which stays as it is);
    // FALSE when there is no such item.
    BOOL SetItemMarked(int nItem, bool bMarked);
    bool IsItemMarked(int nItem) const;
    // The height in pixels of the bar of tabs in the control's font, also before it has items;
    // 0 when the control has no window.
    int GetBarHeight() const;
};
