#include "core/edit/PeakEnvelopeStore.h"

#include "core/edit/ChunkInsert.h"
#include "core/integrity/PeakEnvelopeLevels.h"

namespace {

constexpr const char* kLevlId = "levl";

}  // namespace

CString StorePeakEnvelope(CRiffChunkModel& root, const LevelReport& report,
                          const CString& strTimestamp) {
    if (!root.DataChunk()) {
        return "the file has no data chunk to draw an envelope of";
    }
    const CString strPayload = PeakEnvelopePayload(report, strTimestamp);
    if (CChunk* pChunk = FindChunk(root, kLevlId)) {
        return pChunk->SetPayloadText(strPayload) ? CString()
                                                  : "couldn't hold the levl chunk's bytes";
    }
    return AddChunk(root, kLevlId, strPayload, ChunkPlace::AfterData)
               ? CString()
               : "couldn't make a levl chunk";
}
