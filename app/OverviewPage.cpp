#include "app/OverviewPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FileDetailsText.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"
#include "pages/Overview.h"

namespace {

constexpr int IDC_PLAYER = 1000;
constexpr int IDC_INSTALL_GROUP = 1024;
constexpr int IDC_INSTALL_HINT = 1025;
constexpr int IDC_CONVERT = 1027;
constexpr int IDC_INFO = 1028;
constexpr int IDC_DETAILS_GROUP = 1029;
constexpr int IDC_FILE_DETAILS = 1030;
constexpr int IDC_CHECK = 1031;
constexpr int IDC_SAVE_HINT = 1032;
constexpr int IDC_ADD_CHUNK = 1033;
constexpr DISPID kDispPlayerError = 999;

// One package to a line: a name broken at its hyphens could not be typed as it is shown.
constexpr const char* kInstallHint =
    "To listen, install the packages\n"
    "gstreamer1.0-plugins-base\n"
    "gstreamer1.0-plugins-good\n"
    "gstreamer1.0-libav";

}  // namespace

BEGIN_MESSAGE_MAP(COverviewPage, CDialog)
ON_BN_CLICKED(IDC_CONVERT, &COverviewPage::OnConvert)
ON_BN_CLICKED(IDC_CHECK, &COverviewPage::OnCheck)
ON_BN_CLICKED(IDC_ADD_CHUNK, &COverviewPage::OnAddChunk)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COverviewPage, CDialog)
ON_EVENT_I2_STR_STR_PBOOL(COverviewPage, IDC_PLAYER, kDispPlayerError, OnPlayerError)
END_EVENTSINK_MAP()

void COverviewPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_INSTALL_HINT, m_stcInstallHint);
    DDX_Control(pDX, IDC_INSTALL_GROUP, m_grpInstallHint);
    DDX_Control(pDX, IDC_CONVERT, m_btnConvert);
    DDX_Control(pDX, IDC_CHECK, m_btnCheck);
    DDX_Control(pDX, IDC_ADD_CHUNK, m_btnAddChunk);
    DDX_Text(pDX, IDC_INFO, m_strInfo);
}

int COverviewPage::OnCreate() {
    if (CDialog::OnCreate() == -1) {
        return -1;
    }
    m_bPlayer = m_player.CreateControl(CActiveMovie::GetClsid(), "ActiveMovieCtrl", WS_VISIBLE,
                                       CRect{10, 10, 300, 200}, this, IDC_PLAYER);
    if (m_bPlayer) {
        m_player.SetStartupFlag(FALSE);
    }
    return 0;
}

namespace {

QLabel* LabelOf(CWnd* pText) {
    return pText ? qobject_cast<QLabel*>(pText->GetSafeHwnd()) : nullptr;
}

// The label inside a scroll area of its own, for a text longer than the label's room.
QScrollArea* ScrollingLabel(QLabel* pLabel, QWidget* pParent) {
    auto* pArea = new QScrollArea(pParent);
    pArea->setFrameShape(QFrame::NoFrame);
    pArea->setWidgetResizable(true);
    pArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pArea->setWidget(pLabel);
    return pArea;
}

// The overview text stays in its box and scrolls there when it is longer than the box.
QScrollArea* PutInScrollArea(CWnd* pInfo) {
    QLabel* pLabel = LabelOf(pInfo);
    if (!pLabel) {
        return nullptr;
    }
    const QRect placed = pLabel->geometry();
    QScrollArea* pArea = ScrollingLabel(pLabel, pLabel->parentWidget());
    pArea->setGeometry(placed);
    pArea->show();
    return pArea;
}

// The details go inside their frame, below its title whatever the style draws it as.
void PutInGroup(CWnd* pText, CWnd* pGroup) {
    QLabel* pLabel = LabelOf(pText);
    auto* pBox = pGroup ? qobject_cast<QGroupBox*>(pGroup->GetSafeHwnd()) : nullptr;
    if (!pLabel || !pBox) {
        return;
    }
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setContentsMargins(4, 0, 4, 2);
    pLayout->addWidget(ScrollingLabel(pLabel, pBox));
}

}  // namespace

BOOL COverviewPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pInfoArea = PutInScrollArea(GetDlgItem(IDC_INFO));
    if (m_pInfoArea) {
        m_rcInfo = m_pInfoArea->geometry();
    }
    PutInGroup(GetDlgItem(IDC_FILE_DETAILS), GetDlgItem(IDC_DETAILS_GROUP));
    // The hint's controls exist only now, after the window's creation.
    if (!m_bPlayer) {
        m_stcInstallHint.SetWindowText(kInstallHint);
        m_stcInstallHint.ShowWindow(SW_SHOW);
        m_grpInstallHint.ShowWindow(SW_SHOW);
    }
    return TRUE;
}

void COverviewPage::SetFileInfo(const CString& strPath) {
    if (!strPath.empty()) {
        m_btnConvert.EnableWindow(!g_bHasBext);
        m_strInfo = g_strOverview + (m_strFindings.empty() ? "" : "\n\n" + m_strFindings);
        UpdateData(FALSE);
    }
    m_strPlayerProblem.clear();
    if (m_bPlayer) {
        if (QWidget* pPlayer = m_player.GetSafeHwnd()) {
            pPlayer->setToolTip(QString());
        }
        if (!m_player.GetMediaPath().empty()) {
            m_player.HaltPlayback();
        }
        m_player.SetMediaPath(strPath);
    }
}

void COverviewPage::SetFileDetails(const CChunk* pRoot) {
    m_btnCheck.EnableWindow(pRoot != nullptr);
    m_btnAddChunk.EnableWindow(pRoot != nullptr);
    if (CWnd* pText = GetDlgItem(IDC_FILE_DETAILS)) {
        pText->SetWindowText(pRoot ? FileDetailsText(*pRoot) : CString());
    }
}

// The hint takes the height its wrapped lines need, whatever the scale; the overview text below
// it gives up what the hint reaches into.
void COverviewPage::ShowSaveHint(bool bShow) {
    QLabel* pHint = LabelOf(GetDlgItem(IDC_SAVE_HINT));
    if (!pHint) {
        return;
    }
    pHint->setVisible(bShow);
    if (bShow) {
        pHint->resize(pHint->width(),
                      std::max(pHint->height(), pHint->heightForWidth(pHint->width())));
    }
    if (m_pInfoArea) {
        QRect info = m_rcInfo;
        if (bShow && pHint->geometry().bottom() >= info.top()) {
            info.setTop(pHint->geometry().bottom() + 1);
        }
        m_pInfoArea->setGeometry(info);
    }
}

void COverviewPage::OnConvert() {
    AfxMessageBox("Not yet implemented.");
}

void COverviewPage::OnCheck() {
    if (m_onCheck) {
        m_onCheck();
    }
}

void COverviewPage::OnAddChunk() {
    if (m_onAddChunk) {
        m_onAddChunk();
    }
}

// The player says on its face that it cannot play; why goes to its tooltip, never to a box
// that would stop the user looking at the file, which loaded.
void COverviewPage::OnPlayerError(short /*nCode*/, const CString& strDescription,
                                  const CString& /*strSource*/, BOOL* /*pbCancelDisplay*/) {
    m_strPlayerProblem = strDescription;
    if (QWidget* pPlayer = m_player.GetSafeHwnd()) {
        pPlayer->setToolTip(QString::fromStdString(strDescription));
    }
}
