#pragma once
// What each of a file's channels is called, for labelling it: the iXML track name, else the ADM
// channel the chna table gives the channel's track, else the speaker of the fmt channel mask,
// else its number from 1.

#include <vector>

#include "core/base/Types.h"

class CRiffChunkModel;

// nChannels names, the first channel's first.
std::vector<CString> ChannelNames(const CRiffChunkModel& root, int nChannels);
