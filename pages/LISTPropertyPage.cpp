#include "pages/LISTPropertyPage.h"

#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CLISTPropertyPage, CDialog)

BOOL CLISTPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, true));
    return TRUE;
}
