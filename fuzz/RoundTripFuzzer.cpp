// Round-trip fuzz target: the input loaded, its pages made and their values stored, the tree
// saved to a second file and that file loaded. The second tree must hold what the first held,
// chunk by chunk; a difference aborts, so that the fuzzer reports it with its input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzWorkspace.h"
#include "HeldChunks.h"
#include "model/RiffChunk.h"

namespace {

void RoundTrip(const std::string& strInput, const std::string& strOutput) {
    CRiffChunk first;
    first.Load(strInput);
    const std::string strFault =
        testfiles::DescribeSaveRoundTrip(first, strOutput, FuzzWorkspace::Get().PageParent());
    if (!strFault.empty()) {
        std::fprintf(stderr, "ovalis round trip: %s\n", strFault.c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzWorkspace::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    RoundTrip(workspace.WriteInput(pData, nSize), workspace.OutputPath());
    FuzzWorkspace::FlushDeferredDeletes();
    return 0;
}
