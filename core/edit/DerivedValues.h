#pragma once
// The values of a format record that follow from others: nBlockAlign from nChannels and
// wBitsPerSample (the bits of one sample of every channel, rounded up to whole bytes) and
// nAvgBytesPerSec from nSamplesPerSec and nBlockAlign. A record whose derived values disagree is
// one that readers refuse or play at the wrong speed; an edit that leaves them so is named.

#include <vector>

#include "core/base/LittleEndian.h"
#include "core/chunks/RiffChunkModel.h"

// Each derived value of a PCM or float format record that disagrees with those it follows from,
// with the value that would agree ("nAvgBytesPerSec is 192000; 44100 samples a second of 4
// bytes make 176400"); nAvgBytesPerSec is reckoned from the agreeing nBlockAlign. Empty for
// another format, or a record too short to hold them.
std::vector<CString> DerivedDisagreements(ByteSpan formatRecord);
// The same for the first fmt chunk of the file.
std::vector<CString> DerivedDisagreements(const CRiffChunkModel& root);
// Those an edit left: the disagreements after it, when it changed them.
std::vector<CString> DisagreementsLeft(const std::vector<CString>& before,
                                       std::vector<CString> after);
