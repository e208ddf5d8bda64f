// Details fuzz target: the input as a file, loaded into a tree; then every chunk's detail tables
// (format, INFO and adtl lists, markers, iXML, time reference) are made as text, as the pages and
// ovalis-cli info show them, and the File details are made.

#include <cstddef>
#include <cstdint>

#include "FuzzWorkspace.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChunkDetails.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CRiffChunkModel root;
    root.Load(FuzzWorkspace::Get().WriteInput(pData, nSize));
    const AudioFacts facts = AudioFactsOf(root);
    for (CObject* pObject : root) {
        DetailsText(DetailsOf(*static_cast<CChunk*>(pObject), facts));
    }
    FileDetails(root);
    return 0;
}
