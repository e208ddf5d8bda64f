#include "pages/IxmlPropertyPage.h"

#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CiXMLPropertyPage, CDialog)

BOOL CiXMLPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, false));
    return TRUE;
}
