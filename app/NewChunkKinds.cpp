#include "app/NewChunkKinds.h"

#include "core/edit/ChunkInsert.h"
#include "core/edit/IxmlFields.h"
#include "core/edit/MetadataValues.h"

namespace {
// A cue chunk of no points: its count alone.
constexpr int kEmptyCueBytes = 4;
}  // namespace

const std::vector<NewChunkKind>& NewChunkKinds() {
    static const std::vector<NewChunkKind> kinds = {
        {"Broadcast extension (bext)", "bext", nullptr},
        {"Information list (LIST INFO)", "LIST", "INFO"},
        {"iXML document (iXML)", "iXML", nullptr},
        {"Markers (cue)", "cue ", nullptr},
    };
    return kinds;
}

bool HasChunkOfKind(const CRiffChunkModel& root, const NewChunkKind& kind) {
    return kind.listType ? FindList(root, kind.listType) != nullptr
                         : FindChunk(root, kind.id) != nullptr;
}

CChunk* AddChunkOfKind(CRiffChunkModel& root, const NewChunkKind& kind) {
    const CString strId = kind.id;
    if (strId == "bext") {
        return BextChunkFor(root, true);
    }
    if (strId == "iXML") {
        return AddChunk(root, kind.id, NewIxmlDocument(), ChunkPlace::BeforeData);
    }
    const CString strPayload =
        kind.listType ? CString(kind.listType) : CString(kEmptyCueBytes, '\0');
    return AddChunk(root, kind.id, strPayload, ChunkPlace::Last);
}
