#include "core/edit/ChunkInsert.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/chunks/ChunkId.h"
#include "core/chunks/ChunkRegistry.h"

namespace {

std::int64_t Padded(std::int64_t size) {
    return size + (size & 1);
}

// The list has no insertion: it is built again with the chunk before position nIndex.
void InsertAt(CRiffChunkModel& root, std::size_t nIndex, CChunk* pNew) {
    std::vector<CObject*> chunks(root.begin(), root.end());
    chunks.insert(chunks.begin() + static_cast<std::ptrdiff_t>(std::min(nIndex, chunks.size())),
                  pNew);
    root.RemoveAll();
    for (CObject* pObject : chunks) {
        root.AddChild(static_cast<CChunk*>(pObject));
    }
}

std::size_t IndexOf(const CRiffChunkModel& root, const CChunk* pChunk) {
    return static_cast<std::size_t>(std::find(root.begin(), root.end(), pChunk) - root.begin());
}

// Whether a filler's room takes the new chunk whole, leaving none or a filler of its own.
bool HasRoomFor(const CChunk& filler, std::int64_t needed) {
    const std::int64_t room = 8 + Padded(filler.m_ck.llDataSize);
    return IsFillerId(filler.m_ck.ckid) && !filler.IsLeftInFile() &&
           (room == needed || room >= needed + 8);
}

// Before the first filler ahead of the samples with room for the chunk, else right before the
// data chunk (at the end when there is none).
std::size_t BeforeDataIndex(const CRiffChunkModel& root, const CChunk& chunk) {
    const std::size_t nData = IndexOf(root, root.DataChunk());
    const std::int64_t needed = 8 + Padded(chunk.DataSize());
    std::size_t i = 0;
    for (CObject* pObject : root) {
        if (i < nData && HasRoomFor(*static_cast<CChunk*>(pObject), needed)) {
            return i;
        }
        ++i;
    }
    return nData;
}

std::size_t IndexFor(const CRiffChunkModel& root, const CChunk& chunk, ChunkPlace place) {
    switch (place) {
        case ChunkPlace::BeforeData:
            return BeforeDataIndex(root, chunk);
        case ChunkPlace::AfterData:
            return root.DataChunk() ? IndexOf(root, root.DataChunk()) + 1 : root.GetCount();
        case ChunkPlace::Last:
            break;
    }
    return static_cast<std::size_t>(root.GetCount());
}

}  // namespace

CChunk* AddChunk(CRiffChunkModel& root, const char* pId, const CString& strPayload,
                 ChunkPlace place) {
    CChunk* pChunk = g_chunkRegistry.CreateChunk(pId);
    if (!pChunk) {
        return nullptr;
    }
    pChunk->m_ck = MMCKINFO();
    pChunk->m_ck.ckid = mmioStringToFOURCC(pId, 0);
    if (!pChunk->SetPayloadText(strPayload)) {
        delete pChunk;
        return nullptr;
    }
    pChunk->m_pParent = &root;
    InsertAt(root, IndexFor(root, *pChunk, place), pChunk);
    return pChunk;
}

void RemoveChunk(CRiffChunkModel& root, CChunk* pChunk, bool bAsFiller) {
    const std::size_t nIndex = IndexOf(root, pChunk);
    std::vector<CObject*> chunks(root.begin(), root.end());
    if (nIndex >= chunks.size()) {
        return;
    }
    if (bAsFiller) {
        CChunk* pFiller = g_chunkRegistry.CreateChunk("JUNK");
        const std::vector<BYTE> zeros(pChunk->DataSize());
        if (!pFiller || !pFiller->SetData(zeros.data(), pChunk->DataSize())) {
            delete pFiller;
            return;
        }
        pFiller->m_ck.ckid = mmioStringToFOURCC("JUNK", 0);
        pFiller->m_ck.llDataOffset = pChunk->m_ck.llDataOffset;
        pFiller->m_ck.dwDataOffset = pChunk->m_ck.dwDataOffset;
        chunks[nIndex] = pFiller;
    } else {
        chunks.erase(chunks.begin() + static_cast<std::ptrdiff_t>(nIndex));
    }
    root.RemoveAll();
    for (CObject* pObject : chunks) {
        root.AddChild(static_cast<CChunk*>(pObject));
    }
    delete pChunk;
}

CChunk* FindChunk(const CRiffChunkModel& root, const CString& strId) {
    return strId.size() == 4 ? root.FirstChunk(mmioStringToFOURCC(strId.c_str(), 0)) : nullptr;
}

bool IsListOf(const CChunk& chunk, const char* pListType) {
    CString strId = IdText(chunk.m_ck.ckid);
    std::transform(strId.begin(), strId.end(), strId.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return strId == "LIST" && chunk.DataSize() >= 4 && std::memcmp(chunk.Data(), pListType, 4) == 0;
}

CChunk* FindList(const CRiffChunkModel& root, const char* pListType) {
    for (CObject* pObject : root) {
        if (IsListOf(*static_cast<const CChunk*>(pObject), pListType)) {
            return static_cast<CChunk*>(pObject);
        }
    }
    return nullptr;
}

bool HasChunkOfKind(const CRiffChunkModel& root, const ChunkKind& kind) {
    const char* pListType = kind.newChunk ? kind.newChunk->listType : nullptr;
    return pListType ? FindList(root, pListType) != nullptr : FindChunk(root, kind.id) != nullptr;
}

CChunk* AddChunkOfKind(CRiffChunkModel& root, const ChunkKind& kind) {
    return kind.newChunk ? AddChunk(root, kind.id, kind.newChunk->payload(), kind.newChunk->place)
                         : nullptr;
}
