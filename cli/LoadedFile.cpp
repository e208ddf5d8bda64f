#include "cli/LoadedFile.h"

#include <iostream>

#include "cli/TerminalText.h"
#include "core/io/SaveJournal.h"

CLoadedFile::CLoadedFile(const CString& strPath) : m_strPath(strPath) {
    // Said on standard error whatever the command, since it changed the file.
    if (const CString strRolledBack = RollBackInterruptedSave(strPath); !strRolledBack.empty()) {
        std::cerr << "ovalis-cli: " << WithControlsEscaped(strPath) << ": " << strRolledBack
                  << "\n";
    }
    m_root.Load(strPath);
    if (!IsLoaded()) {
        // The window keeps nothing of a file that failed to load, and neither does this.
        m_root.DeleteChildren();
    }
}

std::vector<CChunk*> CLoadedFile::Chunks() const {
    std::vector<CChunk*> chunks;
    for (CObject* pObject : m_root) {
        chunks.push_back(static_cast<CChunk*>(pObject));
    }
    return chunks;
}
