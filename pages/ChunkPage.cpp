#include "pages/ChunkPage.h"

BOOL CChunkPage::Create(UINT nIDTemplate, CWnd* pParent, CChunk* pChunk) {
    m_pChunk = pChunk;
    const BOOL bCreated = CDialog::Create(nIDTemplate, pParent ? pParent : AfxGetMainWnd());
    if (bCreated && !pParent) {
        ShowWindow(SW_HIDE);
    }
    if (bCreated) {
        m_scroller.Attach(GetSafeHwnd());
    }
    return bCreated;
}

BOOL CChunkPage::UpdateChunk() {
    return TRUE;
}

void CChunkPage::UpdateTree() {}

std::vector<TypedValue> CChunkPage::TypedValues() {
    return {};
}

void CChunkPage::NotifyEdited() const {
    if (m_onEdited) {
        m_onEdited();
    }
}
