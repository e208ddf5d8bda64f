#pragma once
// An iXML chunk: its main fields, its track list and the whole document.

#include <optional>
#include <vector>

#include "core/details/DetailTable.h"
#include "core/details/Timecode.h"

class CChunk;

// The fields, the tracks and the document; a document that is not well formed gives its raw
// text and where parsing stopped.
std::vector<DetailTable> IxmlDetails(const CChunk& chunk);
// The timecode rate and drop flag of the SPEED element, when the document gives them.
std::optional<TimecodeRate> IxmlTimecodeRate(const CChunk& chunk);
