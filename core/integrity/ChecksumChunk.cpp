#include "core/integrity/ChecksumChunk.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/RiffChunkModel.h"

namespace {

// A new chunk of the registry's class for the id, so that every face shows it as its own.
CChunk* NewChecksumChunk(CRiffChunkModel& root) {
    CChunk* pChunk = g_chunkRegistry.CreateChunk(kChecksumChunkId);
    if (!pChunk) {
        return nullptr;
    }
    pChunk->m_ck.ckid = mmioStringToFOURCC(kChecksumChunkId, 0);
    pChunk->m_ck.cksize = static_cast<DWORD>(Md5Digest().size());
    pChunk->m_pParent = &root;
    return pChunk;
}

// The list has no insertion, so it is built again with the new chunk after the data chunk.
void InsertAfterData(CRiffChunkModel& root, CChunk* pNew) {
    const CChunk* pData = root.DataChunk();
    std::vector<CObject*> chunks(root.begin(), root.end());
    auto where = std::find(chunks.begin(), chunks.end(), pData);
    chunks.insert(where == chunks.end() ? where : where + 1, pNew);
    root.RemoveAll();
    for (CObject* pObject : chunks) {
        root.AddChild(static_cast<CChunk*>(pObject));
    }
}

}  // namespace

CChunk* ChecksumChunkOf(const CRiffChunkModel& root) {
    return root.FirstChunk(mmioStringToFOURCC(kChecksumChunkId, 0));
}

std::optional<Md5Digest> StoredChecksum(const CRiffChunkModel& root) {
    const CChunk* pChunk = ChecksumChunkOf(root);
    Md5Digest digest{};
    if (!pChunk || !pChunk->Data() || pChunk->DataSize() < digest.size()) {
        return std::nullopt;
    }
    std::memcpy(digest.data(), pChunk->Data(), digest.size());
    return digest;
}

ChecksumState StateOf(const std::optional<Md5Digest>& stored, const Md5Digest& computed) {
    if (!stored) {
        return ChecksumState::NotStored;
    }
    return *stored == computed ? ChecksumState::Matches : ChecksumState::Differs;
}

CString StateText(ChecksumState state) {
    switch (state) {
        case ChecksumState::Matches:
            return "matches";
        case ChecksumState::Differs:
            return "differs";
        case ChecksumState::NotStored:
            break;
    }
    return "no checksum stored";
}

CString EmbedChecksum(CRiffChunkModel& root, const Md5Digest& digest) {
    if (!root.DataChunk()) {
        return "the file has no data chunk to take a checksum of";
    }
    CChunk* pChunk = ChecksumChunkOf(root);
    if (!pChunk) {
        pChunk = NewChecksumChunk(root);
        if (!pChunk) {
            return "couldn't make an \"MD5 \" chunk";
        }
        InsertAfterData(root, pChunk);
    }
    if (!pChunk->SetData(digest.data(), static_cast<DWORD>(digest.size()))) {
        return "couldn't hold the \"MD5 \" chunk's 16 bytes";
    }
    return CString();
}
