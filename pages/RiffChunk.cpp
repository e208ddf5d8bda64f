#include "pages/RiffChunk.h"

#include <vector>

#include "core/file/RiffSave.h"
#include "framework/MessageBox.h"
#include "pages/ChunkPage.h"

IMPLEMENT_DYNCREATE(CRiffChunk, CRiffChunkModel)

BOOL CRiffChunk::Save(const CString& strPath) {
    // A page may add a chunk here, which the walk below must not meet halfway.
    const std::vector<CObject*> chunks(begin(), end());
    for (CObject* pObject : chunks) {
        if (CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(pObject), nullptr)) {
            pPage->UpdateTree();
        }
    }
    const CString strFailure = ::SaveTree(*this, strPath, [this](CChunk& chunk) {
        // The root's page exists with the window; the others are made when missing.
        if (&chunk == this) {
            m_page.UpdateChunk();
        } else {
            StorePageValues(chunk);
        }
    });
    if (!strFailure.empty()) {
        AfxMessageBox(strFailure, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}
