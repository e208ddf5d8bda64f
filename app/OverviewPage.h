#pragma once
// The page of the "Overview" tab: the overview text of the open file and the player through
// which it can be heard, or, when the player cannot be had, how to install it.

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "player/ActiveMovie.h"

#include <QPointer>
#include <QRect>
#include <QScrollArea>
#include <functional>

class CChunk;

class COverviewPage : public CDialog {
public:
    // Shows the overview text of the file just opened (a non-empty path) and hands the path to
    // the player; an empty path only makes the player let go of its file.
    void SetFileInfo(const CString& strPath);
    // The line that says what the Check finds, shown below the overview text by the next
    // SetFileInfo with a path; empty for none.
    void SetFindings(const CString& strLine) { m_strFindings = strLine; }
    // Shows the File details of the tree under pRoot; none for a null root.
    void SetFileDetails(const CChunk* pRoot);
    // Shows or hides the line that says how the edits on the pages are saved.
    void ShowSaveHint(bool bShow);

    CStatic m_stcInstallHint;
    CButton m_grpInstallHint;
    CButton m_btnConvert;
    CButton m_btnCheck;
    CButton m_btnAddChunk;
    // What the Check and Add chunk buttons do; set by the window that shows the page.
    std::function<void()> m_onCheck;
    std::function<void()> m_onAddChunk;
    CString m_strInfo;
    CActiveMovie m_player;
    BOOL m_bPlayer = FALSE;
    // Why the player cannot play the file shown, as it said; empty when it raised nothing.
    CString m_strPlayerProblem;
    CString m_strFindings;
    // The overview text's scroll area, and where the template placed it.
    QPointer<QScrollArea> m_pInfoArea;
    QRect m_rcInfo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnCreate() override;
    BOOL OnInitDialog() override;

    void OnConvert();
    void OnCheck();
    void OnAddChunk();
    void OnPlayerError(short nCode, const CString& strDescription, const CString& strSource,
                       BOOL* pbCancelDisplay);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
