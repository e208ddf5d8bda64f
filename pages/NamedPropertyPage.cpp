#include "pages/NamedPropertyPage.h"

#include "core/chunks/Chunk.h"
#include "core/kinds/ChunkKind.h"
#include "pages/ChunkDetailsView.h"

IMPLEMENT_DYNCREATE(CNamedPropertyPage, CDialog)

BOOL CNamedPropertyPage::OnInitDialog() {
    CChunkPage::OnInitDialog();
    const ChunkKind* pKind = m_pChunk ? KindOfId(m_pChunk->m_ck.ckid) : nullptr;
    // A document's long lines scroll inside the box; tables keep their columns.
    ShowDetailsText(*this, ChunkDetailsText(m_pChunk, pKind && pKind->pageShowsBytes),
                    DetailsWrap::InBox);
    return TRUE;
}
