#include "core/integrity/SampleSource.h"

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/integrity/SampleChecksum.h"

SampleSource SampleSourceOf(const CRiffChunkModel& root) {
    SampleSource source;
    source.strPath = root.m_strOpenedPath;
    if (const CChunk* pData = DataChunkOf(root)) {
        source.bHasData = true;
        source.nOffset = pData->m_ck.dwDataOffset;
        source.nSize = SampleBytesOf(root);
    }
    for (CObject* pObject : root) {
        if (pObject->IsKindOf(RUNTIME_CLASS(CfmtChunkModel))) {
            const auto* pFormat = static_cast<const CChunk*>(pObject);
            source.bHasFormat = true;
            source.format.assign(pFormat->Data(), pFormat->Data() + pFormat->DataSize());
            break;
        }
    }
    return source;
}
