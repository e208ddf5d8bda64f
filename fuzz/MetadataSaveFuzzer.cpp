// Metadata-save fuzz target: random edits of the held payloads, saved once through the save in
// place and once as a whole new file. For a file that the whole-file save writes back unchanged
// when unedited (a well-formed one), both saves must give the same bytes; a difference aborts,
// so that the fuzzer reports it with its input.
// Input: a count byte, then per edit chunk index, offset (2 bytes) and new value, then the file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzWorkspace.h"
#include "TestFiles.h"
#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/MetadataSave.h"

namespace {

struct Edit {
    std::size_t nChunk;
    std::size_t nOffset;
    BYTE value;
};

constexpr std::size_t kEditBytes = 4;

std::vector<Edit> EditsOf(const std::uint8_t*& rData, std::size_t& rSize) {
    std::vector<Edit> edits;
    const std::size_t nCount =
        rSize > 0 ? std::min<std::size_t>(rData[0], (rSize - 1) / kEditBytes) : 0;
    const std::uint8_t* p = rData + (rSize > 0 ? 1 : 0);
    for (std::size_t i = 0; i < nCount; ++i, p += kEditBytes) {
        edits.push_back({p[0], static_cast<std::size_t>(p[1] | p[2] << 8), p[3]});
    }
    rSize -= static_cast<std::size_t>(p - rData);
    rData = p;
    return edits;
}

void Apply(CRiffChunkModel& root, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) {
        if (root.GetCount() == 0) {
            return;
        }
        CChunk& chunk = *root.GetChild(static_cast<int>(edit.nChunk % root.GetCount()));
        if (chunk.Data() != nullptr && chunk.DataSize() > 0 &&
            !chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
            chunk.Data()[edit.nOffset % chunk.DataSize()] = edit.value;
        }
    }
}

// The bytes the save gives, or nothing when the file does not load.
std::optional<testfiles::Bytes> Saved(const std::string& strPath, const std::vector<Edit>& edits,
                                      const SaveOptions& options) {
    CRiffChunkModel root;
    if (!root.Load(strPath)) {
        return std::nullopt;
    }
    Apply(root, edits);
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
    const std::vector<Edit> edits = EditsOf(pData, nSize);
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
