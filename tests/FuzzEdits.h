#pragma once
// The metadata-save fuzz target's input: a count byte, then per edit a chunk index, an offset
// (2 bytes) and a new byte, then the file. Shared with the tests that replay its finds.

#include <cstddef>
#include <cstdint>
#include <vector>

class CRiffChunkModel;

struct FuzzEdit {
    std::size_t nChunk;
    std::size_t nOffset;
    std::uint8_t value;
};

// Takes the edits off the front of the input; rData and rSize then hold the file.
std::vector<FuzzEdit> TakeFuzzEdits(const std::uint8_t*& rData, std::size_t& rSize);
// Sets each edit's byte in the held payload of a top-level chunk (never the samples').
void ApplyFuzzEdits(CRiffChunkModel& root, const std::vector<FuzzEdit>& edits);
