// Round-trip fuzz target: the input loaded, every stored field written back with the text it
// shows (as a save of unedited pages does), the tree saved to a second file and that file loaded.
// The second tree must hold what the first held, chunk by chunk; a difference aborts, so that the
// fuzzer reports it with its input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzWorkspace.h"
#include "HeldChunks.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"

namespace {

void WriteShownValues(CChunk& chunk) {
    const FieldTable* pTable = FieldTableOf(chunk);
    if (!pTable) {
        return;
    }
    for (const FieldLayout& field : pTable->fields) {
        if (const std::optional<CString> text = ReadFieldText(chunk, field)) {
            WriteFieldText(chunk, field, *text);
        }
    }
}

std::string RoundTrip(const std::string& strInput, const std::string& strOutput) {
    CRiffChunkModel first;
    // The window keeps no tree of a file that failed to load, so there is nothing to save.
    if (!first.Load(strInput)) {
        return {};
    }
    const testfiles::HeldTree loaded = testfiles::HeldChunks(first);
    for (CObject* pObject : first) {
        WriteShownValues(*static_cast<CChunk*>(pObject));
    }
    const testfiles::HeldTree stored = testfiles::HeldChunks(first);
    if (std::string strFault = testfiles::DescribeDifference(loaded, stored); !strFault.empty()) {
        return "writing the shown values changed " + strFault;
    }
    if (const CString strFailure = SaveTree(first, strOutput, {}); !strFailure.empty()) {
        return "the save failed: " + strFailure;
    }
    return testfiles::DescribeSavedTree(stored, strOutput);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    const std::string strFault =
        RoundTrip(workspace.WriteInput(pData, nSize), workspace.OutputPath());
    if (!strFault.empty()) {
        std::fprintf(stderr, "ovalis round trip: %s\n", strFault.c_str());
        std::abort();
    }
    return 0;
}
