#pragma once
// The Overview page's File details: what the file's chunks say together, in three lines.

#include "core/base/Types.h"

class CChunk;

// "PCM, 2 (stereo) channels, 48000 Hz, 24 bits", "Duration 0:00:05.004, form RIFF",
// "Time reference 12:39:59:00 (...)"; a line only for the facts the file holds.
CString FileDetailsText(const CChunk& root);
