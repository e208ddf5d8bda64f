#pragma once
// An iXML chunk: its main fields, its track list and the whole document.

#include <optional>
#include <vector>

#include "core/details/DetailTable.h"
#include "core/details/Timecode.h"

class CChunk;

// A well-formed document gives three tables: the main fields (Field, Value), the tracks and the
// indented document; one that is not well formed, or too large to check, gives one, its raw text
// and why it was not read.
std::vector<DetailTable> IxmlDetails(const CChunk& chunk);
// The names of the main fields, in the rows' order, for a form that shows them.
std::vector<CString> IxmlFieldNames();
// The timecode rate and drop flag of the SPEED element, when the document gives them.
std::optional<TimecodeRate> IxmlTimecodeRate(const CChunk& chunk);
