#pragma once
// A bext chunk's time reference as a sample count, a clock time and timecode.

#include "core/details/DetailTable.h"

class CChunk;

DetailTable TimeReferenceDetails(const CChunk& bext);
