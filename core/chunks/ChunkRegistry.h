#pragma once
// The prototype list that turns a chunk id into a new, empty object of the right chunk class.

#include <unordered_map>

#include "core/base/ObList.h"

class CChunk;

class CChunkRegistry : public CObList {
public:
    // pUnknownClass: the class of the chunks whose id has no class registered; the program's
    // faces each give their own (the window's shows a page).
    explicit CChunkRegistry(const CRuntimeClass* pUnknownClass);

    // Appends a prototype; the registry never owns it.
    void Add(CChunk* pPrototype);
    // A new chunk of the class registered for the id (letter case ignored), named as
    // registered; a new unknown chunk when no class is; null when none can be made. The caller
    // owns the result.
    CChunk* CreateChunk(const CString& strId) const;
    CChunk* CreateChunk(FOURCC ckid) const;

private:
    const CRuntimeClass* m_pUnknownClass;
    // The first prototype of each id, as the list holds them: a file of thousands of chunks
    // asks once per chunk.
    std::unordered_map<FOURCC, const CChunk*> m_byId;
};

extern CChunkRegistry g_chunkRegistry;
