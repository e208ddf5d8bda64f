#pragma once
// The side of a chunk class that the window adds: the page that shows the chunk.

#include "core/base/Types.h"

class CChunk;
class CChunkPage;
class CWnd;

class CPagedChunk {
public:
    virtual ~CPagedChunk() = default;
    // The chunk's page, its window created under pParent on the first call (with no parent,
    // hidden under the main window); the same page afterwards.
    virtual CChunkPage* CreatePage(CWnd* pParent) = 0;
    // The page when its window was made; null before.
    virtual CChunkPage* MadePage() = 0;
};

// A chunk class of the window: the core's Model with one Page, made from dialog template
// nTemplate. Each kind derives a class of its own from it for its run-time class record.
template <typename Model, typename Page, UINT nTemplate>
class TPagedChunk : public Model, public CPagedChunk {
public:
    CChunkPage* CreatePage(CWnd* pParent) override {
        if (m_page.IsWindowless()) {
            m_page.Create(nTemplate, pParent, this);
        }
        return &m_page;
    }
    CChunkPage* MadePage() override { return m_page.IsWindowless() ? nullptr : &m_page; }

    Page m_page;
};

// The page of a chunk whose class has one; null for a chunk without.
CChunkPage* CreatePageOf(CChunk* pChunk, CWnd* pParent);
// The chunk's page when its window was made; null for a chunk without one, or before.
CChunkPage* MadePageOf(CChunk* pChunk);
// Lets the chunk's page, when it has one, store its values into the chunk, as a save does
// just before it writes the chunk.
void StorePageValues(CChunk& chunk);
