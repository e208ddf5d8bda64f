#pragma once
// What a LIST chunk holds: an INFO list's entries with their fields' names, an adtl list's
// labels, notes and labelled texts with their cue point ids.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;

// "Software" for ISFT; "" for an id Ovalis has no name for.
CString InfoFieldName(const CString& strId);
// The INFO ids that have a name, in the order of their ids.
std::vector<CString> NamedInfoIds();
// One table for an INFO or adtl list; none for other list types.
std::vector<DetailTable> ListDetails(const CChunk& chunk);

// One label, note or labelled text of an adtl list.
struct AdtlEntry {
    CString kind;  // "labl", "note", "ltxt"
    DWORD cuePointId;
    CString text;
    CString length;  // of a labelled text's region, in samples; "" for the others
};
std::vector<AdtlEntry> AdtlEntries(const CChunk& chunk);
