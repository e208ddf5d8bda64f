#pragma once
// A file loaded as the window loads it: the chunk tree of its top-level chunks in file order.

#include <vector>

#include "core/chunks/RiffChunkModel.h"

class CLoadedFile {
public:
    explicit CLoadedFile(const CString& strPath);

    const CString& Path() const { return m_strPath; }
    // Empty when the file loaded with chunks; otherwise why not, and then it shows no chunks.
    const CString& Failure() const { return m_root.LoadFailure(); }
    bool IsLoaded() const { return Failure().empty(); }

    CRiffChunkModel& Root() { return m_root; }
    const CRiffChunkModel& Root() const { return m_root; }
    // The top-level chunks as the tree holds them now (edits may add and remove some).
    std::vector<CChunk*> Chunks() const;

private:
    CString m_strPath;
    CRiffChunkModel m_root;
};
