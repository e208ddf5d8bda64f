// Load fuzz target: the input as a file, loaded into a tree; then every chunk describes itself,
// every field of its table is read as a listing shows it, and the overview text is made.

#include <cstddef>
#include <cstdint>

#include "FuzzWorkspace.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/OverviewText.h"
#include "core/chunks/RiffChunkModel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CRiffChunkModel root;
    root.Load(FuzzWorkspace::Get().WriteInput(pData, nSize));
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        pChunk->GetDescription();
        if (const FieldTable* pTable = FieldTableOf(*pChunk)) {
            for (const FieldLayout& field : pTable->fields) {
                ReadFieldText(*pChunk, field);
            }
        }
    }
    root.GetDescription();
    OverviewOf(root);
    return 0;
}
