#pragma once
// info's share of a chunk's details: a table past kShownRows rows shows its first ones, a
// document past its size bound shows its start, each with a note of what was left out and which
// command gives it all. info's output then stays within a fixed multiple of the file's size.

#include <cstddef>
#include <vector>

#include "core/details/DetailTable.h"

constexpr std::size_t kShownRows = 1000;
// A document shows at least this much, and at most twice the payload it was read from.
constexpr std::size_t kShownDocumentBytes = 256 * 1024;

// The details of a chunk of nPayloadBytes, cut where info shows no more.
void CutForInfo(std::vector<DetailTable>& rDetails, std::size_t nPayloadBytes);
