#pragma once
// The main window: the tabs of the open file (an "Overview" tab, then one per top-level chunk)
// or a single "empty" tab, and the buttons that open and close files.

#include <memory>
#include <set>

#include "app/OverviewPage.h"
#include "app/UnsavedEdits.h"
#include "app/WelcomePage.h"
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "pages/PageScroller.h"
#include "pages/RiffChunk.h"

struct ChunkKind;
class CChunkPage;
class QWidget;

class CViewerDlg : public CDialog {
public:
    explicit CViewerDlg(const CString& strFile, CWnd* pParent = nullptr);
    ~CViewerDlg() override;

    // Replaces the tree by the file at strPath; a file that does not load leaves none.
    void LoadFile(const CString& strPath);
    void RebuildTabs();
    // Says on the welcome page which file did not open and why; empty texts clear it.
    void ShowLoadFailure(const CString& strPath, const CString& strReason);
    void ShowPage(int nIndex);
    // Saves the tree to strPath, then shows the file the tree came from, loaded afresh. FALSE
    // when the save failed (and said why); the tree and the typed edits then stay.
    BOOL SaveFile(const CString& strPath);
    // Whether a page holds text typed, or the tree an edit made, since the file was shown.
    bool HasUnsavedEdits() const;
    // Adds an empty chunk of the kind the file lacks, shows its tab and counts it as an unsaved
    // edit; the next save writes it.
    void AddNewChunk(const ChunkKind& kind);

    CButton m_btnSave;
    CButton m_btnOpen;
    CButton m_btnNew;
    CButton m_btnClose;
    CTabCtrl m_tab;
    std::unique_ptr<CRiffChunk> m_pRoot;
    CRect m_rcPage;
    CWelcomePage m_welcomePage;
    // The page of the one tab behind which chunks past kMostChunkTabs are grouped.
    CDialog m_moreChunksPage;
    CString m_strFile;
    int m_nCurTab = 0;
    COverviewPage m_overviewPage;

protected:
    // While the tree is being replaced, rebuilt or saved, a message box may run a nested event
    // loop; a drop or a command that arrives then is refused instead of deleting the tree under
    // the operation that is using it.
    class BusyScope {
    public:
        explicit BusyScope(CViewerDlg& dlg) : m_dlg(dlg) { ++m_dlg.m_nBusy; }
        ~BusyScope() { --m_dlg.m_nBusy; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        CViewerDlg& m_dlg;
    };
    bool IsBusy() const { return m_nBusy > 0; }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnClickTab(NMHDR* pNMHDR, LRESULT* pResult);
    void OnOpenButton();
    void OnNewButton();
    void OnCloseButton();
    void OnSaveButton();
    void OnAddChunk();
    void OnDropFiles(HDROP hDropInfo);
    // Enter, Escape, Exit and the window's close button, once unsaved edits are settled.
    void OnOK() override;
    void OnCancel() override;
    // Enter or Escape where no control takes it: without unsaved edits, asks before closing.
    void OnKeyCommand(int nID) override;

    DECLARE_MESSAGE_MAP()

private:
    bool HasChunks() const;
    // Puts a tab and its page up for every chunk of the tree (none without one); false when the
    // tab control has no window.
    bool FillTabs();
    // pPage: the page whose chunk the edit is in, when there is one.
    void MarkTreeEdited(const QWidget* pPage);
    // The page of a chunk's tab (from 1); null for the Overview, the grouping tab and none.
    CChunkPage* PageOfTab(int nTab);
    bool IsTabEdited(int nTab);
    // The marks of unsaved edits: on the tabs whose pages hold them, in the title, and the
    // Overview's hint of how to save.
    void ShowEditedMarks();
    // The line below the tabs, that confirms a save.
    void SetStatus(const CString& strText);
    // Ctrl+Tab and Ctrl+PgDn (+1), Ctrl+Shift+Tab and Ctrl+PgUp (-1), round the ends.
    void StepTab(int nBy);
    // Tab moves from the strip through the controls of the page shown (that of tab nIndex) in
    // reading order, then to the buttons.
    void OrderFocusByPage(int nIndex);
    // With unsaved edits, asks "Save changes to FILE?": Save saves over the loaded file, Discard
    // drops the edits; false when the user cancelled or the save failed, and the file stays.
    bool SettleUnsavedEdits();
    void SaveOverLoadedFile();
    void PlacePage(CWnd* pPage);
    // A window larger than the screen gives up the difference from its tabs, whose pages then
    // scroll.
    void FitOnScreen();
    void AddMoreChunksTab(int nIndex);
    // Ctrl+O, Ctrl+W and Ctrl+Q press their buttons; Ctrl+S saves over the loaded file,
    // Ctrl+Shift+S asks for a name; F1 shows the About box.
    void AddShortcuts();
    void PressButton(int nID);

    int m_nBusy = 0;
    CUnsavedEdits m_unsavedEdits;
    // An edit made in the tree itself (an added chunk, a page's table) that no save has written.
    bool m_bTreeEdited = false;
    std::set<const QWidget*> m_treeEditedPages;
    CPageScroller m_welcomeScroller;
    CPageScroller m_overviewScroller;
};

// Shows the open-file dialog; on OK, the chosen path split after its last separator.
BOOL SelectFile(const CString& strTitle, const CString& strPattern, CString& strDir,
                CString& strName);
// The window title for a loaded file: its path, shortened to 43 characters when longer than 42.
CString FileTitle(const CString& strPath);
