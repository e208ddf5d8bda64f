#pragma once
// What the coded numbers of the MPEG format record and of the mext chunk mean, shown beside
// their boxes: each set bit of a flag word named ("bit 9" for one without a name), an
// enumeration's value named or called unknown.

#include "core/base/Types.h"

// fwHeadLayer: "Layer II"; several bits when a file may hold several layers.
CString MpegLayerMeaning(DWORD dwLayer);
// fwHeadMode: "stereo", "joint stereo", "dual channel", "single channel".
CString MpegModeMeaning(DWORD dwMode);
// wHeadEmphasis: "none", "50/15 ms", "reserved", "CCITT J.17".
CString MpegEmphasisMeaning(DWORD dwEmphasis);
// fwHeadFlags: "private bit, copyright, original, protection, MPEG-1".
CString MpegFlagsMeaning(DWORD dwFlags);
// The mext chunk's SoundInformation bits.
CString SoundInformationMeaning(DWORD dwInformation);
