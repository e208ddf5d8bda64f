#include "core/edit/FormConversion.h"

#include "core/chunks/ChunkId.h"
#include "core/edit/ChunkInsert.h"

namespace {

constexpr std::int64_t kLargestRiffForm = 0xFFFFFFFF;

// The form's size as the tree would be written: the form type and every chunk with its pad.
std::int64_t FormSize(const CRiffChunkModel& root) {
    std::int64_t size = 4;
    for (CObject* pObject : root) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        size += 8 + chunk.m_ck.llDataSize + (chunk.m_ck.llDataSize & 1);
    }
    return size;
}

}  // namespace

CString ConvertToRiff(CRiffChunkModel& root) {
    const CString strForm = IdText(root.m_ck.ckid);
    if (strForm != "RF64" && strForm != "BW64") {
        return "the file is a " + strForm + " form already";
    }
    if (FormSize(root) > kLargestRiffForm) {
        return "the file's form holds " + std::to_string(FormSize(root)) +
               " bytes, more than a RIFF form can (4294967295)";
    }
    if (CChunk* pDs64 = root.FirstChunk(mmioStringToFOURCC("ds64", 0))) {
        RemoveChunk(root, pDs64, true);
    }
    root.m_ck.ckid = mmioStringToFOURCC("RIFF", 0);
    root.m_ck.cksize = static_cast<DWORD>(FormSize(root));
    if (CChunk* pData = root.DataChunk()) {
        pData->m_ck.cksize = static_cast<DWORD>(pData->m_ck.llDataSize);
    }
    return CString();
}
