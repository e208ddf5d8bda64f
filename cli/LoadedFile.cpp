#include "cli/LoadedFile.h"

#include <QWidget>

#include "cli/LoadFailure.h"
#include "model/Overview.h"
#include "pages/ChunkPage.h"

CLoadedFile::CLoadedFile(const CString& strPath)
    : m_strPath(strPath), m_pRoot(std::make_unique<CRiffChunk>()) {
    m_host.Attach(new QWidget, true);
    const BOOL bLoaded = m_pRoot->Load(strPath);
    m_strFailure = ExplainLoadFailure(strPath, *m_pRoot, bLoaded);
    if (IsLoaded()) {
        CreatePages();
    } else {
        // The window keeps nothing of a file that failed to load, and neither does this.
        m_pRoot->DeleteChildren();
    }
}

// The root goes first: its pages are children of the host's widget.
CLoadedFile::~CLoadedFile() {
    m_chunks.clear();
    m_pRoot.reset();
}

void CLoadedFile::CreatePages() {
    for (CObject* pObject : *m_pRoot) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        CChunkPage* pPage = pChunk->CreatePage(&m_host);
        m_chunks.push_back({pChunk, pPage, PageKindOf(pPage)});
    }
    m_strOverview = g_strOverview;
}
