#pragma once
// The levels' peak envelope kept in the file: its levl chunk, after the samples.

#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/LevelMeter.h"

// Stores the report's envelope in the tree's levl chunk, adding one after the data chunk when
// there is none; a save writes it. Empty when stored; else why not.
CString StorePeakEnvelope(CRiffChunkModel& root, const LevelReport& report,
                          const CString& strTimestamp);
