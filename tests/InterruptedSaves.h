#pragma once
// A save in place stopped part way, as a kill leaves it: its journal written and the first few
// of its pieces, through the save's own pieces.

#include <cstddef>
#include <string>

#include "TestFiles.h"
#include "core/file/InPlaceWrite.h"

namespace savetest {

// A bext chunk before the samples, whose description the save changes in place, and a LIST
// chunk after them, which it grows by a few pages.
testfiles::Bytes Take();
// The save of that edit to the file at path, as far as its journal and its first nPieces
// pieces (the file grown to its new size first, as the save reserves it, when any).
InPlaceWrite InterruptedSave(const std::string& path, std::size_t nPieces);

// A take in a folder of its own, whose save was cut short after its first nPieces pieces.
struct PendingSave {
    explicit PendingSave(std::size_t nPieces = 2);

    testfiles::TempDir dir;
    std::string path;
    std::string journal;    // beside the file
    testfiles::Bytes file;  // as the save left it
};

}  // namespace savetest
