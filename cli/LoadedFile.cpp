#include "cli/LoadedFile.h"

#include <iostream>

#include "cli/TerminalText.h"
#include "core/io/InterruptedSave.h"

namespace {

void SayOnError(const CString& strPath, const CString& strText) {
    std::cerr << "ovalis-cli: " << WithControlsEscaped(strPath) << ": "
              << WithControlsEscaped(strText) << "\n";
}

}  // namespace

CLoadedFile::CLoadedFile(const CString& strPath, FileUse use) : m_strPath(strPath) {
    if (use == FileUse::Write) {
        m_strRefused = RecoverBeforeWriting(strPath);
    } else {
        NotePendingSave(strPath);
    }
    if (m_strRefused.empty()) {
        m_root.Load(strPath);
    }
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

CString RecoverBeforeWriting(const CString& strPath) {
    const Recovery recovery = RecoverInterruptedSave(strPath);
    if (recovery.bDone) {
        SayOnError(strPath, recovery.strText);
        return CString();
    }
    return recovery.state == JournalState::None ? CString() : recovery.strText + "; left untouched";
}

void NotePendingSave(const CString& strPath) {
    const JournalFinding finding = InspectJournal(strPath);
    if (finding.state == JournalState::None) {
        return;
    }
    CString strNote = PendingSaveNote(finding);
    if (finding.state != JournalState::Refused) {
        strNote += "; `ovalis-cli recover " + strPath + "` finishes it";
    }
    SayOnError(strPath, strNote);
}
