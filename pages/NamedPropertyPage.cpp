#include "pages/NamedPropertyPage.h"

#include "core/chunks/Chunk.h"
#include "core/kinds/ChunkKind.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CNamedPropertyPage, CDialog)

BOOL CNamedPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    const ChunkKind* pKind = m_pChunk ? KindOfId(m_pChunk->m_ck.ckid) : nullptr;
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, pKind && pKind->pageShowsBytes));
    return TRUE;
}
