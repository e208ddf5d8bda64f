#include "core/chunks/ChunkRegistry.h"

#include "core/chunks/Chunk.h"

CChunkRegistry::CChunkRegistry(const CRuntimeClass* pUnknownClass)
    : m_pUnknownClass(pUnknownClass) {}

void CChunkRegistry::Add(CChunk* pPrototype) {
    AddTail(pPrototype);
}

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
    return static_cast<CChunk*>(m_pUnknownClass->CreateObject());
}
