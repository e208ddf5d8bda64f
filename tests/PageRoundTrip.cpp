#include "PageRoundTrip.h"

#include "HeldChunks.h"
#include "pages/ChunkPage.h"
#include "pages/RiffChunk.h"

namespace testfiles {

void StorePageValues(CRiffChunk& root, CWnd* pParent) {
    for (CObject* pObject : root) {
        if (CChunkPage* pPage = CreatePageOf(static_cast<CChunk*>(pObject), pParent)) {
            pPage->UpdateChunk();
        }
    }
}

std::string DescribeSaveRoundTrip(CRiffChunk& root, const CString& strSaved, CWnd* pParent) {
    const HeldTree loaded = HeldChunks(root);
    StorePageValues(root, pParent);
    const HeldTree stored = HeldChunks(root);
    if (std::string strStoring = DescribeDifference(loaded, stored); !strStoring.empty()) {
        return "storing the pages' values changed " + strStoring;
    }
    if (!root.Save(strSaved)) {
        return "the save failed";
    }
    return DescribeSavedTree(stored, strSaved);
}

}  // namespace testfiles
