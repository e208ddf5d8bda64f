#pragma once
// A file loaded as the window loads it: the chunk tree, then every top-level chunk's page created
// in file order (which also builds the overview text), under a window that is never shown.

#include <memory>
#include <optional>
#include <vector>

#include "cli/FieldCatalog.h"
#include "framework/Wnd.h"
#include "model/RiffChunk.h"

class CChunkPage;

struct ShownChunk {
    CChunk* pChunk;
    CChunkPage* pPage;
    std::optional<PageKind> page;  // for the pages that show fields
};

class CLoadedFile {
public:
    explicit CLoadedFile(const CString& strPath);
    ~CLoadedFile();
    CLoadedFile(const CLoadedFile&) = delete;
    CLoadedFile& operator=(const CLoadedFile&) = delete;

    const CString& Path() const { return m_strPath; }
    // Empty when the file loaded; otherwise why not. A file that did not load has no chunks.
    const CString& Failure() const { return m_strFailure; }
    bool IsLoaded() const { return m_strFailure.empty(); }

    CRiffChunk& Root() { return *m_pRoot; }
    const std::vector<ShownChunk>& Chunks() const { return m_chunks; }
    // The overview text as it stood once every page was created.
    const CString& Overview() const { return m_strOverview; }
    // The parent under which pages are created.
    CWnd* Host() { return &m_host; }

private:
    void CreatePages();

    CString m_strPath;
    CWnd m_host;
    std::unique_ptr<CRiffChunk> m_pRoot;
    CString m_strFailure;
    std::vector<ShownChunk> m_chunks;
    CString m_strOverview;
};
