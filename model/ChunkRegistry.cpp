#include "model/ChunkRegistry.h"

#include <new>

#include "model/Chunk.h"
#include "model/UnknownChunk.h"

void CChunkRegistry::Add(CChunk* pPrototype) { AddTail(pPrototype); }

CChunk* CChunkRegistry::CreateChunk(const CString& strId) const {
    return CreateChunk(mmioStringToFOURCC(strId.c_str(), MMIO_TOUPPER));
}

CChunk* CChunkRegistry::CreateChunk(FOURCC ckid) const {
    for (CObject* pObject : *this) {
        auto* pPrototype = static_cast<CChunk*>(pObject);
        if (pPrototype->m_ck.ckid != ckid) {
            continue;
        }
        auto* pChunk = static_cast<CChunk*>(pPrototype->GetRuntimeClass()->CreateObject());
        if (pChunk) {
            pChunk->m_strName = pPrototype->m_strName;
        }
        return pChunk;
    }
    return new (std::nothrow) CUnknownChunk;
}
