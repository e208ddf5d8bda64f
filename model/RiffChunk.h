#pragma once
// The root of the chunk tree: the file's RIFF form of type WAVE, whose children are the file's
// top-level chunks in file order.

#include "model/Chunk.h"
#include "pages/RIFFPropertyPage.h"

class CRiffChunk : public CChunk {
    DECLARE_DYNCREATE(CRiffChunk)
public:
    CRiffChunk();
    CRiffChunk(const CString& strId, BOOL bRegister);
    ~CRiffChunk() override;

    // Opens the file and builds the tree; TRUE when the walk reached the end of the file.
    BOOL Load(const CString& strPath);
    // Writes the tree, with the pages' values, to strPath; over the loaded file itself through a
    // temporary file that replaces it once complete. On failure the loaded file is as it was, one
    // message box says what failed, and the result is FALSE.
    BOOL Save(const CString& strPath);

    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    BOOL Write(HMMIO hmmio) override;
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CRIFFPropertyPage m_page;
    // The path exactly as it was opened (m_strPath holds it lower-cased): every later file
    // operation uses this one, since the file system may tell letter cases apart.
    CString m_strOpenedPath;
};
