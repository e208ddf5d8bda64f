// Load fuzz target: the input as a file, loaded into a tree; then every chunk describes itself
// and makes its page, whose initialisation reads the payload's fields.

#include <cstddef>
#include <cstdint>

#include "FuzzWorkspace.h"
#include "model/RiffChunk.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzWorkspace::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    {
        CRiffChunk root;
        root.Load(workspace.WriteInput(pData, nSize));
        for (CObject* pObject : root) {
            auto* pChunk = static_cast<CChunk*>(pObject);
            pChunk->GetDescription();
            pChunk->CreatePage(workspace.PageParent());
        }
        root.GetDescription();
    }
    FuzzWorkspace::FlushDeferredDeletes();
    return 0;
}
