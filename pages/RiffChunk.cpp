#include "pages/RiffChunk.h"

#include "framework/MessageBox.h"

IMPLEMENT_DYNCREATE(CRiffChunk, CRiffChunkModel)

BOOL CRiffChunk::Save(const CString& strPath) {
    const CString strFailure = SaveTree(strPath, [this](CChunk& chunk) {
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
