#include "pages/fmtPropertyPage.h"

#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CfmtPropertyPage, CDialog)

BOOL CfmtPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, false), DetailsWrap::AtBoxEdge);
    return TRUE;
}
