#pragma once
// The data page's line on the samples, and its line on what the levels found.

#include <vector>

#include "core/integrity/FileCheck.h"

class CRiffChunkModel;

// "Size 96,000 bytes at offset 44; 48,000 frames, 0:00:01.000".
CString SampleFactsText(const CRiffChunkModel& root);
// "No clipping, DC offset, dropout or silence." or "2 findings: level-clipping in channel 1, ...".
CString LevelFindingsSummary(const std::vector<Finding>& findings);
