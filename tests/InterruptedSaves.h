#pragma once
// A save in place stopped part way, as a kill leaves it: its journal written and the first few
// of its pieces, through the save's own pieces.

#include <cstddef>
#include <string>

#include "TestFiles.h"
#include "core/file/InPlaceWrite.h"

class CRiffChunkModel;

namespace savetest {

// A bext chunk before the samples, whose description the save changes in place, and a LIST
// chunk after them, which it grows by a few pages.
testfiles::Bytes Take();
// The save of that edit to the file at path, as far as its journal and its first nPieces
// pieces (the file grown to its new size first, as the save reserves it, when any).
InPlaceWrite InterruptedSave(const std::string& path, std::size_t nPieces);

// The two parts of that edit, for other saves: the bext chunk's description, which starts its
// payload, given c at nAt; the LIST chunk's payload cut, or padded with 'x', to nSize bytes.
void EditDescription(CRiffChunkModel& root, std::size_t nAt, char c);
void ResizeList(CRiffChunkModel& root, std::size_t nSize);

// A take in a folder of its own, whose save was cut short after its first nPieces pieces.
struct PendingSave {
    explicit PendingSave(std::size_t nPieces = 2);

    testfiles::TempDir dir;
    std::string path;
    std::string journal;    // beside the file
    testfiles::Bytes file;  // as the save left it
};

}  // namespace savetest
