#pragma once
// The sampler chunk's loops: where each starts and ends in samples, how it plays and how often.

#include "core/details/DetailTable.h"

class CChunk;

DetailTable SamplerDetails(const CChunk& smpl);
