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

// What a labelled text adds to its text: the region it marks and how its text is written.
struct LabelledText {
    CString length;  // of the region, in samples
    CString purpose;  // "rgn ", "beat", ... as stored
    CString country, language, dialect, codePage;
};

// One label, note or labelled text of an adtl list.
struct AdtlEntry {
    CString kind;  // "labl", "note", "ltxt"
    DWORD cuePointId;
    CString text;
    LabelledText labelled;  // empty but for a labelled text
};
std::vector<AdtlEntry> AdtlEntries(const CChunk& chunk);
