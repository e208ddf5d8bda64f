#pragma once
// The levels' peak envelope kept in the file: its peak envelope chunk, after the samples.

#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/LevelMeter.h"

// The tree's first peak envelope chunk; null when it has none.
const CChunk* PeakEnvelopeChunkOf(const CRiffChunkModel& root);
// Stores the report's envelope in the tree's peak envelope chunk, adding one after the data
// chunk when there is none; a save writes it. Empty when stored; else why not.
CString StorePeakEnvelope(CRiffChunkModel& root, const LevelReport& report,
                          const CString& strTimestamp);
