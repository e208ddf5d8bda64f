#pragma once
// The overview text of a file, as its pages build it when they are made in file order: the
// load's first line, replaced by a broadcast extension's heading, description and coding
// history, and a PCM format's audio line appended.

#include "core/base/Types.h"

class CChunk;
class CRiffChunkModel;

// What loading a file puts in the overview text before any page adds to it.
inline constexpr const char* kOverviewOfLoad = "RIFF WAVE file.\r\n\r\n";

// The load's first line for the form that was found: "RF64 WAVE file." and "BW64 WAVE file." for
// those forms, kOverviewOfLoad for any other.
CString OverviewOfLoad(FOURCC formId);
// The form's name as the first line gives it: "RIFF", "RF64" or "BW64".
CString FormName(FOURCC formId);

// The text a broadcast extension's page makes of its description and coding history bytes.
CString BextOverview(const CString& strDescription, const CString& strCodingHistory);
// The line a PCM format chunk adds, or nothing when its record lacks the rate, the sample size
// or the channel count.
CString PcmOverviewLine(const CChunk& chunk);
// The whole text for a loaded tree.
CString OverviewOf(const CRiffChunkModel& root);
// Whether the load read a bext chunk into the tree's top level.
bool HasBextChunk(const CRiffChunkModel& root);
