#pragma once
// One edit of a file's markers as a user types it: "--add POS[+LENGTH][=LABEL]" (with a length,
// a region), "--move ID=POS",
// "--rename ID=LABEL", "--note ID=TEXT", "--remove ID". A position is a sample count, or
// timecode of the time of day (the time reference plus the position, as the markers show it).

#include "core/chunks/RiffChunkModel.h"
#include "core/edit/MarkerList.h"

// Applies the edit named by strOption ("add", "move", "rename", "note", "remove") to the list.
// Empty on success, else why not; the list is then as it was.
CString ApplyMarkerEdit(const CRiffChunkModel& root, CMarkerList& rMarkers,
                        const CString& strOption, const CString& strValue);
