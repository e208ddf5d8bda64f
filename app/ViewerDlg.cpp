#include "app/ViewerDlg.h"

#include <QAbstractButton>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QKeySequence>
#include <QPalette>
#include <QScreen>
#include <QShortcut>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/AboutText.h"
#include "app/AddChunkDialog.h"
#include "app/ChunkHeaders.h"
#include "app/FileTrust.h"
#include "app/FocusOrder.h"
#include "app/OverviewFindings.h"
#include "app/OverviewOfLoad.h"
#include "app/PendingSaveQuestion.h"
#include "app/SaveQuestion.h"
#include "core/chunks/ChunkId.h"
#include "core/edit/ChunkInsert.h"
#include "framework/AboutBox.h"
#include "framework/DialogTemplate.h"
#include "framework/DropFiles.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/TabControlWidget.h"
#include "framework/WaitCursor.h"
#include "pages/ChunkPage.h"

namespace {

constexpr UINT IDD_VIEWER = 130;
constexpr UINT IDD_WELCOME = 139;
constexpr UINT IDD_OVERVIEW = 142;
constexpr int IDC_TAB = 1002;
constexpr int IDC_OPEN = 1019;
constexpr int IDC_CLOSE = 1020;
constexpr int IDC_NEW = 1021;
constexpr int IDC_SAVE = 1022;
// The window's line below the tabs that confirms a save.
constexpr int IDC_STATUS = 1023;

constexpr const char* kOpenTitle = "Open audio file";
constexpr const char* kOpenPattern = "*.wav; *.mp2; *.mpg; *.snd;";
// Offered after the pattern's own filter.
constexpr const char* kMoreFilters =
    "Broadcast Wave (*.wav *.bwf *.rf64 *.bw64)|*.wav;*.bwf;*.rf64;*.bw64|All files (*)|*|";

// The page lies this far below the tab control's top, or below the tab bar when a large font
// makes the bar taller, and this far inside its other edges.
constexpr int kPageTop = 28;
constexpr int kPageMargin = 4;

// The welcome page's lines that say which file did not open last, and why.
constexpr int kIdLoadFailure = 1001;
constexpr int kIdFailedPath = 1002;
const QColor kErrorColour(190, 0, 0);
// More tabs than this are of no use to a person, and each costs a page.
constexpr int kMostChunkTabs = 200;
constexpr UINT kIdMoreChunksPage = 144;
constexpr int kIdMoreChunksNote = 1001;
const CString kEmptyTitle = CString("Ovalis - version ") + kOvalisVersion;
constexpr const char* kFileTitlePrefix = "Ovalis - ";
constexpr qsizetype kTitlePathMax = 42;
constexpr qsizetype kTitleHead = 6;
constexpr qsizetype kTitleTail = 34;
constexpr const char* kEditedMark = " (edited)";
constexpr const char* kCloseQuestion = "Close the Ovalis window?";

}  // namespace

BEGIN_MESSAGE_MAP(CViewerDlg, CDialog)
ON_NOTIFY(NM_CLICK, IDC_TAB, &CViewerDlg::OnClickTab)
ON_BN_CLICKED(IDC_OPEN, &CViewerDlg::OnOpenButton)
ON_BN_CLICKED(IDC_NEW, &CViewerDlg::OnNewButton)
ON_BN_CLICKED(IDC_CLOSE, &CViewerDlg::OnCloseButton)
ON_WM_DROPFILES()
ON_BN_CLICKED(IDC_SAVE, &CViewerDlg::OnSaveButton)
END_MESSAGE_MAP()

CString FileTitle(const CString& strPath) {
    // Counted in characters, not bytes, so that a cut never splits one.
    const QString path = QString::fromStdString(strPath);
    if (path.size() <= kTitlePathMax) {
        return strPath;
    }
    return (path.left(kTitleHead) + QStringLiteral("...") + path.right(kTitleTail)).toStdString();
}

BOOL SelectFile(const CString& strTitle, const CString& strPattern, CString& strDir,
                CString& strName) {
    const CString strFilter = "Files (" + strPattern + ")|" + strPattern + "|" + kMoreFilters + "|";
    CFileDialog dialog(TRUE, strPattern.c_str(), strPattern.c_str(), OFN_HIDEREADONLY,
                       strFilter.c_str(), nullptr);
    dialog.m_ofn.strTitle = strTitle;
    if (dialog.DoModal() != IDOK) {
        return FALSE;
    }
    const CString strPath = dialog.GetPathName();
    const CString::size_type nSeparator = strPath.rfind('/');
    strDir = nSeparator == CString::npos ? CString() : strPath.substr(0, nSeparator + 1);
    strName = nSeparator == CString::npos ? strPath : strPath.substr(nSeparator + 1);
    return TRUE;
}

CViewerDlg::CViewerDlg(const CString& strFile, CWnd* pParent)
    : CDialog(IDD_VIEWER, pParent), m_strFile(strFile) {}

CViewerDlg::~CViewerDlg() {
    m_pRoot.reset();
}

void CViewerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SAVE, m_btnSave);
    DDX_Control(pDX, IDC_OPEN, m_btnOpen);
    DDX_Control(pDX, IDC_NEW, m_btnNew);
    DDX_Control(pDX, IDC_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_TAB, m_tab);
}

BOOL CViewerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_welcomePage.Create(IDD_WELCOME, this);
    m_welcomePage.ShowWindow(SW_HIDE);
    m_overviewPage.Create(IDD_OVERVIEW, this);
    m_overviewPage.ShowWindow(SW_HIDE);
    m_moreChunksPage.Create(kIdMoreChunksPage, this);
    m_moreChunksPage.ShowWindow(SW_HIDE);
    m_welcomeScroller.Attach(m_welcomePage.GetSafeHwnd());
    m_overviewScroller.Attach(m_overviewPage.GetSafeHwnd());
    m_overviewPage.m_onCheck = [this] {
        if (m_pRoot && !IsBusy()) {
            CheckInWindow(
                GetSafeHwnd(), *m_pRoot, [this] { SaveFile(CString(m_pRoot->m_strOpenedPath)); },
                HasUnsavedEdits());
        }
    };
    m_overviewPage.m_onAddChunk = [this] { OnAddChunk(); };
    FitOnScreen();
    m_tab.GetWindowRect(&m_rcPage);
    ScreenToClient(&m_rcPage);
    m_rcPage.left += kPageMargin;
    m_rcPage.top += std::max(kPageTop, m_tab.GetBarHeight() + kPageMargin);
    m_rcPage.right -= kPageMargin;
    m_rcPage.bottom -= kPageMargin;
    if (!m_strFile.empty()) {
        LoadFile(m_strFile);
    } else {
        RebuildTabs();
    }
    m_btnNew.EnableWindow(FALSE);
    AddShortcuts();
    return TRUE;
}

void CViewerDlg::FitOnScreen() {
    QWidget* pWindow = GetSafeHwnd();
    const QSize room =
        pWindow->screen() ? pWindow->screen()->availableGeometry().size() : pWindow->size();
    const QSize cut = (pWindow->size() - room).expandedTo(QSize(0, 0));
    if (cut.width() == 0 && cut.height() == 0) {
        return;
    }
    // The tabs give up the room; the buttons below them keep their distance to the edges.
    pWindow->resize(pWindow->size() - cut);
    QWidget* pTab = m_tab.GetSafeHwnd();
    pTab->resize(pTab->size() - cut);
    for (const int nID : {IDC_OPEN, IDC_NEW, IDC_SAVE, IDC_CLOSE, IDCANCEL}) {
        if (CWnd* pButton = GetDlgItem(nID)) {
            QWidget* pWidget = pButton->GetSafeHwnd();
            pWidget->move(pWidget->pos() - QPoint(nID == IDCANCEL ? cut.width() : 0, cut.height()));
        }
    }
}

void CViewerDlg::AddShortcuts() {
    QWidget* pWindow = GetSafeHwnd();
    const auto add = [pWindow](const QKeySequence& keys, std::function<void()> action) {
        auto* pShortcut = new QShortcut(keys, pWindow);
        QObject::connect(pShortcut, &QShortcut::activated, pWindow, std::move(action));
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { PressButton(IDC_OPEN); });
    add(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { PressButton(IDC_CLOSE); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { PressButton(IDCANCEL); });
    // The Save button stays hidden; the standard shortcuts are how a save is reached.
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (HasChunks()) {
            SaveOverLoadedFile();
        }
    });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        if (HasChunks()) {
            OnSaveButton();
        }
    });
    add(QKeySequence(Qt::Key_F1), [] { AfxAboutBox("About Ovalis", AboutText()); });
    for (const QKeyCombination next : {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}) {
        add(QKeySequence(next), [this] { StepTab(1); });
    }
    for (const QKeyCombination previous :
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp}) {
        add(QKeySequence(previous), [this] { StepTab(-1); });
    }
}

void CViewerDlg::StepTab(int nBy) {
    const int nCount = m_tab.GetItemCount();
    if (IsBusy() || nCount < 2) {
        return;
    }
    // The selection's change shows the page (OnClickTab), as a click would.
    m_tab.SetCurSel(((m_tab.GetCurSel() + nBy) % nCount + nCount) % nCount);
}

void CViewerDlg::PressButton(int nID) {
    // A click, so that a disabled button ignores its key as it ignores the mouse.
    CWnd* pButton = GetDlgItem(nID);
    if (auto* pWidget =
            qobject_cast<QAbstractButton*>(pButton ? pButton->GetSafeHwnd() : nullptr)) {
        pWidget->click();
    }
}

bool CViewerDlg::HasChunks() const {
    return m_pRoot && m_pRoot->GetCount() > 0;
}

void CViewerDlg::PlacePage(CWnd* pPage) {
    pPage->MoveWindow(m_rcPage, TRUE);
}

void CViewerDlg::LoadFile(const CString& strPath) {
    BusyScope busy(*this);
    OfferToFinishInterruptedSave(strPath);
    m_overviewPage.SetFileInfo(CString());
    m_pRoot.reset();
    m_pRoot = std::make_unique<CRiffChunk>();
    const BOOL bLoaded = m_pRoot->Load(strPath);
    SetOverviewOfLoad(*m_pRoot);
    const CString strFailure = m_pRoot->LoadFailure();
    if (!bLoaded) {
        m_pRoot.reset();
    } else {
        SetWindowText(kFileTitlePrefix + FileTitle(strPath));
    }
    SetStatus(CString());
    const bool bFailed = !strFailure.empty() && !HasChunks();
    ShowLoadFailure(bFailed ? strPath : CString(), bFailed ? strFailure : CString());
    RebuildTabs();
}

// No message box: a failed load shows the empty state, and the welcome page says why.
void CViewerDlg::ShowLoadFailure(const CString& strPath, const CString& strReason) {
    if (CWnd* pPath = m_welcomePage.GetDlgItem(kIdFailedPath)) {
        pPath->SetWindowText(strPath);
    }
    if (CWnd* pReason = m_welcomePage.GetDlgItem(kIdLoadFailure)) {
        pReason->SetWindowText(strReason.empty() ? strReason : "Not opened: " + strReason);
        // Read as an error, not as the page's own text.
        QWidget* pWidget = pReason->GetSafeHwnd();
        QPalette palette = pWidget->palette();
        palette.setColor(QPalette::WindowText, kErrorColour);
        pWidget->setPalette(palette);
        QFont font = pWidget->font();
        font.setBold(true);
        pWidget->setFont(font);
    }
}

void CViewerDlg::RebuildTabs() {
    BusyScope busy(*this);
    CWaitCursor wait;
    m_unsavedEdits.Clear();
    m_bTreeEdited = false;
    m_treeEditedPages.clear();
    m_overviewPage.ShowSaveHint(false);
    if (!FillTabs()) {
        return;
    }
    m_nCurTab = 0;
    if (HasChunks()) {
        m_overviewPage.SetFindings(FindingsLine(m_pRoot->m_strOpenedPath));
        m_overviewPage.SetFileInfo(m_pRoot->m_strOpenedPath);
    } else {
        m_tab.InsertItem(0, "empty");
        PlacePage(&m_welcomePage);
        SetWindowText(kEmptyTitle);
    }
    ShowPage(0);
    m_btnSave.EnableWindow(HasChunks());
    m_btnClose.EnableWindow(HasChunks());
    ShowEditedMarks();
}

bool CViewerDlg::FillTabs() {
    if (!m_tab.DeleteAllItems()) {
        return false;
    }
    if (!HasChunks()) {
        m_overviewPage.SetFileDetails(nullptr);
        return true;
    }
    m_tab.InsertItem(0, "Overview");
    PlacePage(&m_overviewPage);
    int nIndex = 1;
    for (CObject* pObject : *m_pRoot) {
        if (nIndex > kMostChunkTabs) {
            break;
        }
        auto* pChunk = static_cast<CChunk*>(pObject);
        m_tab.InsertItem(nIndex, pChunk->m_strName);
        m_tab.SetItemToolTip(nIndex++, "Chunk id '" + IdText(pChunk->m_ck.ckid) + "'");
        if (CChunkPage* pPage = CreatePageOf(pChunk, this)) {
            PlacePage(pPage);
            m_unsavedEdits.Record(pPage->GetSafeHwnd(), [this] { ShowEditedMarks(); });
            QWidget* pWidget = pPage->GetSafeHwnd();
            pPage->SetEditedHandler([this, pWidget] { MarkTreeEdited(pWidget); });
        }
    }
    if (m_pRoot->GetCount() > kMostChunkTabs) {
        AddMoreChunksTab(nIndex);
    }
    // The pages are all made now, and with them the overview text.
    m_overviewPage.SetFileDetails(m_pRoot.get());
    return true;
}

void CViewerDlg::MarkTreeEdited(const QWidget* pPage) {
    m_bTreeEdited = true;
    if (pPage) {
        m_treeEditedPages.insert(pPage);
    }
    ShowEditedMarks();
}

CChunkPage* CViewerDlg::PageOfTab(int nTab) {
    if (!HasChunks() || nTab < 1 || nTab > std::min(kMostChunkTabs, m_pRoot->GetCount())) {
        return nullptr;
    }
    return CreatePageOf(static_cast<CChunk*>(m_pRoot->GetChild(nTab - 1)), this);
}

bool CViewerDlg::IsTabEdited(int nTab) {
    const CChunkPage* pPage = PageOfTab(nTab);
    const QWidget* pWidget = pPage ? pPage->GetSafeHwnd() : nullptr;
    return pWidget && (m_treeEditedPages.count(pWidget) > 0 || m_unsavedEdits.AnyIn(pWidget));
}

void CViewerDlg::ShowEditedMarks() {
    const bool bEdited = HasUnsavedEdits();
    m_overviewPage.ShowSaveHint(bEdited);
    for (int nTab = 1; nTab < m_tab.GetItemCount(); ++nTab) {
        m_tab.SetItemMarked(nTab, IsTabEdited(nTab));
    }
    if (HasChunks()) {
        SetWindowText(kFileTitlePrefix + FileTitle(m_pRoot->m_strOpenedPath) +
                      (bEdited ? kEditedMark : ""));
    }
    if (bEdited) {
        SetStatus(CString());
    }
}

void CViewerDlg::SetStatus(const CString& strText) {
    if (CWnd* pStatus = GetDlgItem(IDC_STATUS)) {
        pStatus->SetWindowText(strText);
    }
}

void CViewerDlg::OnAddChunk() {
    if (IsBusy() || !HasChunks()) {
        return;
    }
    const ChunkKind* pKind = nullptr;
    {
        // The question runs an event loop: a drop or command meanwhile is refused.
        BusyScope busy(*this);
        pKind = AskChunkToAdd(GetSafeHwnd(), *m_pRoot);
    }
    if (pKind) {
        AddNewChunk(*pKind);
    }
}

void CViewerDlg::AddNewChunk(const ChunkKind& kind) {
    if (!HasChunks() || IsBusy() || HasChunkOfKind(*m_pRoot, kind)) {
        return;
    }
    BusyScope busy(*this);
    const CChunk* pAdded = AddChunkOfKind(*m_pRoot, kind);
    if (!pAdded) {
        AfxMessageBox(CString("Couldn't make a ") + kind.newChunk->label + " chunk.");
        return;
    }
    // The typed edits of the other pages stay: their boxes are remembered as they were shown.
    FillTabs();
    const auto nPosition = std::find(m_pRoot->begin(), m_pRoot->end(), pAdded) - m_pRoot->begin();
    const int nTab = std::min(static_cast<int>(nPosition) + 1, m_tab.GetItemCount() - 1);
    m_tab.SetCurSel(nTab);
    m_nCurTab = nTab;
    ShowPage(nTab);
    const CChunkPage* pPage = PageOfTab(nTab);
    MarkTreeEdited(pPage ? pPage->GetSafeHwnd() : nullptr);
}

void CViewerDlg::AddMoreChunksTab(int nIndex) {
    const int nMore = m_pRoot->GetCount() - kMostChunkTabs;
    m_tab.InsertItem(nIndex, std::to_string(nMore) + " more");
    PlacePage(&m_moreChunksPage);
    if (CWnd* pNote = m_moreChunksPage.GetDlgItem(kIdMoreChunksNote)) {
        pNote->SetWindowText(m_pRoot->LoadNote());
    }
}

void CViewerDlg::ShowPage(int nIndex) {
    if (HasChunks()) {
        m_welcomePage.ShowWindow(SW_HIDE);
        m_overviewPage.ShowWindow(nIndex == 0 ? SW_SHOW : SW_HIDE);
        int nCounter = 1;
        for (CObject* pObject : *m_pRoot) {
            if (nCounter > kMostChunkTabs) {
                break;
            }
            if (CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(pObject), this)) {
                pPage->ShowWindow(nCounter == nIndex ? SW_SHOW : SW_HIDE);
                ++nCounter;
            }
        }
        m_moreChunksPage.ShowWindow(nIndex > kMostChunkTabs ? SW_SHOW : SW_HIDE);
    } else {
        m_welcomePage.ShowWindow(SW_SHOW);
        m_overviewPage.ShowWindow(SW_HIDE);
        m_moreChunksPage.ShowWindow(SW_HIDE);
    }
    OrderFocusByPage(nIndex);
    Invalidate(TRUE);
}

void CViewerDlg::OrderFocusByPage(int nIndex) {
    auto* pTab = qobject_cast<TabControlWidget*>(m_tab.GetSafeHwnd());
    QWidget* pPage = m_welcomePage.GetSafeHwnd();
    if (HasChunks()) {
        const CChunkPage* pChunkPage = PageOfTab(nIndex);
        pPage = nIndex == 0               ? m_overviewPage.GetSafeHwnd()
                : pChunkPage              ? pChunkPage->GetSafeHwnd()
                : nIndex > kMostChunkTabs ? m_moreChunksPage.GetSafeHwnd()
                                          : nullptr;
    }
    std::vector<QWidget*> buttons;
    for (const int nID : {IDC_OPEN, IDC_NEW, IDC_SAVE, IDC_CLOSE, IDCANCEL}) {
        if (CWnd* pButton = GetDlgItem(nID)) {
            buttons.push_back(pButton->GetSafeHwnd());
        }
    }
    OrderFocus(pTab ? pTab->TabBar() : nullptr, pPage, buttons);
}

void CViewerDlg::OnClickTab(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
    const int nSel = m_tab.GetCurSel();
    if (IsBusy() || nSel == -1 || nSel == m_nCurTab) {
        return;
    }
    m_nCurTab = nSel;
    ShowPage(nSel);
    *pResult = 0;
}

void CViewerDlg::OnOpenButton() {
    if (IsBusy()) {
        return;
    }
    if (!SettleUnsavedEdits()) {
        return;
    }
    CString strDir;
    CString strName;
    if (SelectFile(kOpenTitle, kOpenPattern, strDir, strName)) {
        LoadFile(strDir + strName);
    }
}

void CViewerDlg::OnNewButton() {
    AfxMessageBox("Not yet implemeted.");
}

void CViewerDlg::OnCloseButton() {
    if (IsBusy() || !SettleUnsavedEdits()) {
        return;
    }
    BusyScope busy(*this);
    m_pRoot.reset();
    m_overviewPage.SetFileInfo(CString());
    RebuildTabs();
}

void CViewerDlg::OnSaveButton() {
    if (IsBusy() || !m_pRoot) {
        return;
    }
    // The path as opened: on a file system that tells cases apart the lower-cased one may name
    // another file.
    CFileDialog dialog(FALSE, "wav", m_pRoot->m_strOpenedPath.c_str(),
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, this);
    if (dialog.DoModal() == IDOK) {
        SaveFile(dialog.GetPathName());
    }
}

BOOL CViewerDlg::SaveFile(const CString& strPath) {
    if (!m_pRoot) {
        return FALSE;
    }
    BusyScope busy(*this);
    // Go back keeps the tree and the typed edits, for the user to correct them.
    if (!ConfirmSaveAsTyped(*m_pRoot)) {
        return FALSE;
    }
    CWaitCursor wait;
    // The player lets go of the file before it is rewritten.
    m_overviewPage.SetFileInfo(CString());
    const CChunkHeaders headers(*m_pRoot);
    const BOOL bSaved = m_pRoot->Save(strPath);
    if (!bSaved) {
        // The tree and the typed edits stay, so that the user can try again elsewhere.
        headers.Restore();
        m_overviewPage.SetFileInfo(m_pRoot->m_strOpenedPath);
        return FALSE;
    }
    // A copy: the load deletes the tree that holds the path.
    const CString strShown = m_pRoot->m_strOpenedPath;
    const int nShownTab = m_nCurTab;
    LoadFile(strShown);
    // The page the user saved from stays in front, with the save confirmed below the tabs.
    if (nShownTab > 0 && nShownTab < m_tab.GetItemCount()) {
        m_tab.SetCurSel(nShownTab);
        m_nCurTab = nShownTab;
        ShowPage(nShownTab);
    }
    SetStatus("Saved " + QFileInfo(QString::fromStdString(strPath)).fileName().toStdString());
    return TRUE;
}

void CViewerDlg::SaveOverLoadedFile() {
    if (!IsBusy() && m_pRoot) {
        SaveFile(CString(m_pRoot->m_strOpenedPath));
    }
}

bool CViewerDlg::HasUnsavedEdits() const {
    return HasChunks() && (m_bTreeEdited || m_unsavedEdits.Any());
}

bool CViewerDlg::SettleUnsavedEdits() {
    if (!HasUnsavedEdits()) {
        return true;
    }
    if (IsBusy()) {
        return false;  // a question or a save is already under way
    }
    const CString strPath = m_pRoot->m_strOpenedPath;
    int nAnswer = IDCANCEL;
    {
        // The question runs an event loop: a drop or command meanwhile is refused.
        BusyScope busy(*this);
        nAnswer = AfxMessageBox("Save changes to " + strPath + "?",
                                MB_SAVEDISCARDCANCEL | MB_ICONQUESTION);
    }
    switch (nAnswer) {
        case IDYES:
            return SaveFile(strPath);
        case IDNO:
            m_unsavedEdits.Clear();
            m_bTreeEdited = false;
            m_treeEditedPages.clear();
            ShowEditedMarks();
            return true;
        default:
            return false;
    }
}

void CViewerDlg::OnOK() {
    if (SettleUnsavedEdits()) {
        CDialog::OnOK();
    }
}

void CViewerDlg::OnKeyCommand(int nID) {
    // One key press must not lose the window: without edits, whose own question asks, Enter
    // and Escape ask first.
    if (!HasUnsavedEdits()) {
        if (IsBusy()) {
            return;
        }
        int nAnswer = IDCANCEL;
        {
            BusyScope busy(*this);
            nAnswer = AfxMessageBox(kCloseQuestion, MB_OKCANCEL | MB_ICONQUESTION);
        }
        if (nAnswer != IDOK) {
            return;
        }
    }
    OnCommand(nID);
}

void CViewerDlg::OnCancel() {
    if (SettleUnsavedEdits()) {
        CDialog::OnCancel();
    }
}

void CViewerDlg::OnDropFiles(HDROP hDropInfo) {
    // The whole path, however long: a cut path would open another file or none, and the file
    // shown before would be lost with it.
    const UINT nLength = DragQueryFile(hDropInfo, 0, nullptr, 0);
    std::vector<char> buffer(nLength + 1, '\0');
    DragQueryFile(hDropInfo, 0, buffer.data(), nLength + 1);
    const CString strPath(buffer.data(), nLength);
    DragFinish(hDropInfo);
    if (!IsBusy() && !strPath.empty() && SettleUnsavedEdits()) {
        LoadFile(strPath);
    }
}
