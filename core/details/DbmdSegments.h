#pragma once
// The metadata segments of a dbmd payload: after the version, each segment is an id byte, two
// size bytes, its payload and a checksum byte; an id of 0 ends the list.

#include <vector>

#include "core/base/LittleEndian.h"

struct DbmdSegment {
    unsigned id;
    std::size_t nAt;  // of the id byte in the payload
    std::size_t nSize;
};

// The segments up to the end marker; one running past the payload's end ends the walk and is
// said in rProblem.
std::vector<DbmdSegment> DbmdSegmentsOf(ByteSpan payload, CString& rProblem);
// The checksum makes the sum of the segment's size bytes, payload and checksum 0 modulo 256.
bool DbmdChecksumAgrees(ByteSpan payload, const DbmdSegment& segment);
