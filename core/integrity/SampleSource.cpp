#include "core/integrity/SampleSource.h"

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/fmtChunkModel.h"

SampleSource SampleSourceOf(const CRiffChunkModel& root) {
    SampleSource source;
    source.strPath = root.m_strOpenedPath;
    source.bHasData = root.DataChunk() != nullptr;
    source.nOffset = root.SampleOffset();
    source.nSize = root.SampleBytes();
    if (const CChunk* pFormat = root.FormatChunk()) {
        source.bHasFormat = true;
        source.format.assign(pFormat->Data(), pFormat->Data() + pFormat->DataSize());
    }
    return source;
}
