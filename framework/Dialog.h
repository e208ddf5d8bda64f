#pragma once
// A dialog: a window object whose window is built from a dialog template, either as a modeless
// child (Create) or as a modal top-level window (DoModal).

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    // For a modal dialog: the template and parent that DoModal uses.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the window from the template as a child of pParentWnd (or top-level with no
    // parent), runs OnCreate, builds the controls, connects the message map and runs
    // OnInitDialog. FALSE when the template is missing, OnCreate refuses, or no user interface
    // is running.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Runs the dialog modally until EndDialog; returns its result, or -1 when it could not be
    // created.
    virtual int DoModal();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Whether OnInitDialog ran for the window this object holds now.
    bool HasInitialised() const;

    // Called by the layer for the message-map entry that matched a notification.
    void Dispatch(const AFX_MSGMAP_ENTRY& entry, void* pArg1 = nullptr, void* pArg2 = nullptr);
    // The entry of this class or its bases that handles (nMessage, nCode, nID), or null.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, UINT nCode, int nID) const;
    // A command from a control: its map entry, or the OK and cancel handling for those ids.
    void OnCommand(int nID);
    // Enter (IDOK) or Escape (IDCANCEL) pressed where no control takes it; the base runs the
    // command.
    virtual void OnKeyCommand(int nID);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs once the window exists, before its controls do; -1 refuses the creation.
    virtual int OnCreate();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateWindowFromTemplate(UINT nIDTemplate, CWnd* pParentWnd, bool bModal);
    void ConnectControls();

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    QWidget* m_pInitialisedWidget = nullptr;
    int m_nModalResult = 0;
};

// The application's main window, or null (set while a dialog runs modally).
CWnd* AfxGetMainWnd();
