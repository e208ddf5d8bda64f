#pragma once
// The window's chunk of a kind without a class of its own: its page is its kind's
// (pages/KindPages.h), made on first use.

#include <memory>

#include "core/chunks/KindChunkModel.h"
#include "pages/PagedChunk.h"

class CKindChunk : public CKindChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CKindChunk)
public:
    CChunkPage* CreatePage(CWnd* pParent) override;
    CChunkPage* MadePage() override;

private:
    std::unique_ptr<CChunkPage> m_pPage;
    UINT m_nTemplate = 0;
};
