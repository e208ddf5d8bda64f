#include "core/file/RepairWriter.h"

#include <filesystem>
#include <fstream>

#include "core/file/NewFileOutput.h"

namespace {

// Large enough that the samples stream at the disk's pace, small enough to hold anywhere.
constexpr std::int64_t kPass = 1 << 20;

bool PutHeader(CNewFileOutput& out, FOURCC ckid, DWORD nSize) {
    char header[8];
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<char>((ckid >> (8 * i)) & 0xFF);
        header[4 + i] = static_cast<char>((nSize >> (8 * i)) & 0xFF);
    }
    return out.Write(header, sizeof header);
}

bool CopyBytes(std::ifstream& in, std::int64_t nOffset, std::int64_t nSize, CNewFileOutput& out) {
    std::vector<char> buffer(static_cast<std::size_t>(std::min(nSize, kPass)));
    in.clear();
    in.seekg(nOffset);
    for (std::int64_t nLeft = nSize; nLeft > 0;) {
        const auto nPass = static_cast<std::streamsize>(std::min(nLeft, kPass));
        in.read(buffer.data(), nPass);
        if (in.gcount() != nPass || !out.Write(buffer.data(), static_cast<std::size_t>(nPass))) {
            return false;
        }
        nLeft -= nPass;
    }
    return true;
}

bool WriteChunk(std::ifstream& in, const RepairChunk& chunk, CNewFileOutput& out) {
    if (!PutHeader(out, chunk.ckid, chunk.nHeaderSize)) {
        return false;
    }
    const bool bPayload = chunk.replacement.empty()
                              ? CopyBytes(in, chunk.nSourceOffset, chunk.nSize, out)
                              : out.Write(reinterpret_cast<const char*>(chunk.replacement.data()),
                                          chunk.replacement.size());
    return bPayload && ((chunk.nSize & 1) == 0 || out.Write("", 1));
}

CString Write(const RepairPlan& plan, const CString& strInput, CNewFileOutput& out,
              const CString& strOutput) {
    std::ifstream in(strInput, std::ios::binary);
    if (!in) {
        return "couldn't open " + strInput + " to read it";
    }
    if (!PutHeader(out, plan.formId, plan.nFormHeaderSize) || !out.Write("WAVE", 4)) {
        return "couldn't write " + strOutput + ": " + out.Failure();
    }
    for (const RepairChunk& chunk : plan.chunks) {
        if (!WriteChunk(in, chunk, out)) {
            return "couldn't copy the bytes at " + std::to_string(chunk.nSourceOffset) + " of " +
                   strInput + " into " + strOutput;
        }
    }
    return CString();
}

}  // namespace

CString RepairTargetProblem(const CString& strInput, const CString& strOutput) {
    std::error_code error;
    if (strInput == strOutput || std::filesystem::equivalent(strInput, strOutput, error)) {
        return "the output " + strOutput + " is the file repaired; name a new file";
    }
    return CString();
}

CString WriteRepair(const RepairPlan& plan, const CString& strInput, const CString& strOutput,
                    bool bReplace) {
    if (!plan.strRefused.empty()) {
        return plan.strRefused;
    }
    if (CString strProblem = RepairTargetProblem(strInput, strOutput); !strProblem.empty()) {
        return strProblem;
    }
    CNewFileOutput out(strOutput, bReplace);
    if (CString strProblem = out.Open(); !strProblem.empty()) {
        return strProblem;
    }
    if (CString strFailure = Write(plan, strInput, out, strOutput); !strFailure.empty()) {
        return strFailure;
    }
    return out.Place();
}
