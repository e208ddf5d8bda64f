#include "core/chunks/ChunkRegistry.h"

#include "core/chunks/Chunk.h"

CChunkRegistry::CChunkRegistry(const CRuntimeClass* pUnknownClass)
    : m_pUnknownClass(pUnknownClass) {}

void CChunkRegistry::Add(CChunk* pPrototype) {
    AddTail(pPrototype);
    m_byId.emplace(pPrototype->m_ck.ckid, pPrototype);
}

CChunk* CChunkRegistry::CreateChunk(const CString& strId) const {
    return CreateChunk(mmioStringToFOURCC(strId.c_str(), MMIO_TOUPPER));
}

CChunk* CChunkRegistry::CreateChunk(FOURCC ckid) const {
    const auto found = m_byId.find(ckid);
    if (found == m_byId.end()) {
        return static_cast<CChunk*>(m_pUnknownClass->CreateObject());
    }
    const CChunk* pPrototype = found->second;
    auto* pChunk = static_cast<CChunk*>(pPrototype->GetRuntimeClass()->CreateObject());
    if (pChunk) {
        pChunk->m_strName = pPrototype->m_strName;
    }
    return pChunk;
}
