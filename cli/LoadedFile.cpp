#include "cli/LoadedFile.h"

CLoadedFile::CLoadedFile(const CString& strPath) : m_strPath(strPath) {
    m_root.Load(strPath);
    if (!IsLoaded()) {
        // The window keeps nothing of a file that failed to load, and neither does this.
        m_root.DeleteChildren();
        return;
    }
    for (CObject* pObject : m_root) {
        m_chunks.push_back(static_cast<CChunk*>(pObject));
    }
}
