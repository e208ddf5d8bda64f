#pragma once
// What a save in place writes: the ranges where the tree's bytes differ from the file's, when
// every chunk stands where the file has it, or past its end (the file then grows or shrinks, and
// the form's size follows). An RF64 or BW64 form the tree calls RIFF gets RIFF sizes in place.

#include <optional>
#include <vector>

#include "core/chunks/RiffChunkModel.h"
#include "core/io/SaveJournal.h"

struct InPlacePlan {
    std::vector<FileBytes> ranges;  // the new bytes
    std::int64_t oldSize = 0;       // the file's size now
    std::int64_t newSize = 0;       // and once saved
    std::size_t nSizes = 0;         // the last ranges, which declare the form's size
};

// The plan, or nothing when the tree's layout cannot be written in place (the whole-file save
// then writes it). No range reaches into the samples.
std::optional<InPlacePlan> PlanInPlace(const CRiffChunkModel& root, HMMIO hmmio);
