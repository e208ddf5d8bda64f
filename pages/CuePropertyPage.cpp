#include "pages/CuePropertyPage.h"

#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CcuePropertyPage, CDialog)

BOOL CcuePropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, false));
    return TRUE;
}
