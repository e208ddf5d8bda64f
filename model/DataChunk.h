#pragma once
// The data chunk: only the position and size of the samples are held; a write streams the
// samples from the loaded file.

#include "model/Chunk.h"
#include "pages/dataPropertyPage.h"

class CdataChunk : public CChunk {
    DECLARE_DYNCREATE(CdataChunk)
public:
    CdataChunk() = default;
    CdataChunk(const CString& strId, BOOL bRegister);

    // The header only, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    // The header, then the samples copied from the file the root was loaded from. FALSE when
    // the target is that file itself (nothing written then), when the header cannot be written,
    // when that file cannot be opened, positioned or read, or when a write comes up short; a
    // source file that ends before the chunk's size ends the copy without error, but a read that
    // finds an end inside the file fails it.
    BOOL Write(HMMIO hmmio) override;
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CdataPropertyPage m_page;
};
