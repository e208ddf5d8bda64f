#pragma once
// A file's markers edited and put back into its tree: the cue chunk and the adtl list, added
// as the last chunks when the file has none.

#include "core/chunks/RiffChunkModel.h"
#include "core/edit/MarkerList.h"

// The markers of the file's first cue chunk and adtl list.
CMarkerList MarkersOf(const CRiffChunkModel& root);
// Stores the list's cue points and texts in the tree. Empty on success, else why not.
CString StoreMarkers(CRiffChunkModel& root, const CMarkerList& markers);
// Makes the file's markers those given, by id: a marker of another position, label or note is
// changed, one of a new id added, one not given removed; the others keep their bytes. Empty on
// success, else why not.
CString SetMarkers(CRiffChunkModel& root, const std::vector<Marker>& wanted);
