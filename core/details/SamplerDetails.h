#pragma once
// The sampler chunk's values in their units and its loops: where each starts and ends in
// samples, how it plays and how often; the instrument chunk's notes, tuning and gain.

#include "core/details/DetailTable.h"

class CChunk;

// Each field of the smpl chunk with what it means: the manufacturer's name, the sample period as
// a rate, the unity note's name, the pitch fraction in cents, the SMPTE format and offset.
DetailTable SamplerValues(const CChunk& smpl);
DetailTable SamplerDetails(const CChunk& smpl);
// Each field of the inst chunk with its unit or note name.
DetailTable InstrumentDetails(const CChunk& inst);
