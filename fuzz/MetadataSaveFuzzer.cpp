// Metadata-save fuzz target: random edits of the held payloads, saved once through the save in
// place and once as a whole new file. For a file that the whole-file save writes back unchanged
// when unedited (a well-formed one), both saves must give the same bytes; a difference aborts,
// so that the fuzzer reports it with its input.
// Input: a count byte, then per edit chunk index, offset (2 bytes) and new value, then the file.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzEdits.h"
#include "FuzzWorkspace.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/MetadataSave.h"

namespace {

// The bytes the save gives, or nothing when the file does not load.
std::optional<testfiles::Bytes> Saved(const std::string& strPath,
                                      const std::vector<FuzzEdit>& edits,
                                      const SaveOptions& options) {
    CRiffChunkModel root;
    if (!root.Load(strPath)) {
        return std::nullopt;
    }
    ApplyFuzzEdits(root, edits);
    if (const CString strFailure = SaveMetadata(root, options); !strFailure.empty()) {
        std::fprintf(stderr, "ovalis metadata save: the save failed: %s\n", strFailure.c_str());
        std::abort();
    }
    return testfiles::readFile(strPath);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzWorkspace::Start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::vector<FuzzEdit> edits = TakeFuzzEdits(pData, nSize);
    FuzzWorkspace& workspace = FuzzWorkspace::Get();
    const std::string& strInPlace = workspace.WriteInput(pData, nSize);
    const testfiles::Bytes original = testfiles::readFile(strInPlace);
    const std::string& strWhole = workspace.OutputPath();
    testfiles::writeFile(strWhole, original);
    const auto inPlace = Saved(strInPlace, edits, {});
    testfiles::writeFile(strWhole, original);
    const auto unedited = Saved(strWhole, {}, {.bWholeFile = true});
    if (!inPlace || unedited != original) {
        return 0;
    }
    const auto whole = Saved(strWhole, edits, {.bWholeFile = true});
    if (whole != inPlace) {
        std::fprintf(stderr, "ovalis metadata save: the save in place differs from the whole\n");
        std::abort();
    }
    return 0;
}
