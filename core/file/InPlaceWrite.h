#pragma once
// The writing of a save in place, piece by piece in the order that keeps the file readable as
// the old one as long as possible: the room of a growth reserved first, then the bytes past the
// old end, then those within it, and the sizes that declare the form last; a file that shrinks
// is cut at the end.

#include <optional>

#include "core/file/InPlacePlan.h"

struct InPlaceWrite {
    JournalRecord record;           // the pieces in writing order, each with its old bytes
    std::vector<CString> newBytes;  // of each piece, in the same order
};

// The pieces of the plan with the old bytes of the file open as fd; nothing when the file could
// not be read or the plan's ranges overlap (the whole-file save then writes it).
std::optional<InPlaceWrite> PieceOut(int fd, const InPlacePlan& plan);

// Writes the pieces and flushes the file. Empty on success, else the call that failed and why.
CString WritePieces(int fd, const InPlaceWrite& write);
