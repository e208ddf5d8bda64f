#include "core/edit/PeakEnvelopeStore.h"

#include "core/edit/ChunkInsert.h"
#include "core/integrity/PeakEnvelopeLevels.h"

const CChunk* PeakEnvelopeChunkOf(const CRiffChunkModel& root) {
    return FindChunk(root, kPeakEnvelopeChunkId);
}

CString StorePeakEnvelope(CRiffChunkModel& root, const LevelReport& report,
                          const CString& strTimestamp) {
    if (!root.DataChunk()) {
        return "the file has no data chunk to draw an envelope of";
    }
    const CString strPayload = PeakEnvelopePayload(report, strTimestamp);
    const CString strId = kPeakEnvelopeChunkId;
    if (CChunk* pChunk = FindChunk(root, strId)) {
        return pChunk->SetPayloadText(strPayload) ? CString()
                                                  : "couldn't hold the " + strId + " chunk's bytes";
    }
    return AddChunk(root, kPeakEnvelopeChunkId, strPayload, ChunkPlace::AfterData)
               ? CString()
               : "couldn't make a " + strId + " chunk";
}
