#include "pages/UnknownPropertyPage.h"

#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CUnknownPropertyPage, CDialog)

BOOL CUnknownPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, true));
    return TRUE;
}
