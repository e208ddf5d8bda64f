#include "core/edit/FileMarkers.h"

#include <unordered_set>

#include "core/edit/ChunkInsert.h"

namespace {

// The chunk's payload set, or a new chunk of the payload when pChunk is null.
bool Put(CRiffChunkModel& root, CChunk* pChunk, const char* pId, const CString& strPayload) {
    return pChunk ? pChunk->SetPayloadText(strPayload)
                  : AddChunk(root, pId, strPayload, ChunkPlace::Last) != nullptr;
}

}  // namespace

CMarkerList MarkersOf(const CRiffChunkModel& root) {
    return CMarkerList(FindChunk(root, "cue "), FindList(root, "adtl"));
}

CString StoreMarkers(CRiffChunkModel& root, const CMarkerList& markers) {
    CChunk* pCue = FindChunk(root, "cue ");
    CChunk* pAdtl = FindList(root, "adtl");
    const CString strCue = markers.CuePayload();
    if ((pCue || !markers.Markers().empty()) &&
        (pCue ? pCue->PayloadText() : CString()) != strCue && !Put(root, pCue, "cue ", strCue)) {
        return "couldn't hold the cue chunk";
    }
    const CString strAdtl = markers.AdtlPayload();
    if ((pAdtl || markers.HasTexts()) && (pAdtl ? pAdtl->PayloadText() : CString()) != strAdtl &&
        !Put(root, pAdtl, "LIST", strAdtl)) {
        return "couldn't hold the adtl list";
    }
    return CString();
}

CString SetMarkers(CRiffChunkModel& root, const std::vector<Marker>& wanted) {
    CMarkerList markers = MarkersOf(root);
    std::unordered_set<DWORD> wantedIds;
    for (const Marker& given : wanted) {
        wantedIds.insert(given.id);
    }
    std::unordered_set<DWORD> gone;
    for (const Marker& marker : markers.Markers()) {
        if (wantedIds.count(marker.id) == 0) {
            gone.insert(marker.id);
        }
    }
    markers.Remove(gone);
    for (const Marker& given : wanted) {
        if (CString strProblem = CheckMarkerPosition(given.position, root.SampleFrames());
            !strProblem.empty()) {
            return "marker " + std::to_string(given.id) + ": " + strProblem;
        }
        if (!markers.Find(given.id)) {
            markers.Add(given.position, given.label, given.note, given.id);
        }
        markers.Move(given.id, given.position);
        markers.Rename(given.id, given.label);
        markers.SetNote(given.id, given.note);
    }
    return StoreMarkers(root, markers);
}
