#pragma once
// A file loaded as the window loads it: the chunk tree of its top-level chunks in file order.

#include <vector>

#include "core/chunks/RiffChunkModel.h"

// Whether the command that loads a file may save it: only such a command applies the journal
// of an interrupted save it finds beside the file; the others say that it is pending.
enum class FileUse { Read, Write };

class CLoadedFile {
public:
    explicit CLoadedFile(const CString& strPath, FileUse use = FileUse::Read);

    const CString& Path() const { return m_strPath; }
    // Empty when the file loaded with chunks; otherwise why not, and then it shows no chunks.
    const CString& Failure() const {
        return m_strRefused.empty() ? m_root.LoadFailure() : m_strRefused;
    }
    bool IsLoaded() const { return Failure().empty(); }

    CRiffChunkModel& Root() { return m_root; }
    const CRiffChunkModel& Root() const { return m_root; }
    // The top-level chunks as the tree holds them now (edits may add and remove some).
    std::vector<CChunk*> Chunks() const;

private:
    CString m_strPath;
    CString m_strRefused;  // why a writer did not load the file
    CRiffChunkModel m_root;
};

// For a command about to save the file: applies the journal of an interrupted save beside it,
// saying on standard error what was done. Empty when the file may be loaded and saved, else why
// not.
CString RecoverBeforeWriting(const CString& strPath);
// For a command that only reads: says on standard error that an interrupted save is pending
// beside the file and how to finish it, or why the journal there is not applied.
void NotePendingSave(const CString& strPath);
