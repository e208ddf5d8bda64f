#include "core/file/RepairWriter.h"

#include <filesystem>
#include <fstream>

namespace {

// Large enough that the samples stream at the disk's pace, small enough to hold anywhere.
constexpr std::int64_t kPass = 1 << 20;

void PutHeader(std::ofstream& out, FOURCC ckid, DWORD nSize) {
    char header[8];
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<char>((ckid >> (8 * i)) & 0xFF);
        header[4 + i] = static_cast<char>((nSize >> (8 * i)) & 0xFF);
    }
    out.write(header, sizeof header);
}

bool CopyBytes(std::ifstream& in, std::int64_t nOffset, std::int64_t nSize, std::ofstream& out) {
    std::vector<char> buffer(static_cast<std::size_t>(std::min(nSize, kPass)));
    in.clear();
    in.seekg(nOffset);
    for (std::int64_t nLeft = nSize; nLeft > 0 && in && out;) {
        const auto nPass = static_cast<std::streamsize>(std::min(nLeft, kPass));
        in.read(buffer.data(), nPass);
        if (in.gcount() != nPass) {
            return false;
        }
        out.write(buffer.data(), nPass);
        nLeft -= nPass;
    }
    return static_cast<bool>(in) && static_cast<bool>(out);
}

bool WriteChunk(std::ifstream& in, const RepairChunk& chunk, std::ofstream& out) {
    PutHeader(out, chunk.ckid, chunk.nHeaderSize);
    if (chunk.replacement.empty()) {
        if (!CopyBytes(in, chunk.nSourceOffset, chunk.nSize, out)) {
            return false;
        }
    } else {
        out.write(reinterpret_cast<const char*>(chunk.replacement.data()),
                  static_cast<std::streamsize>(chunk.replacement.size()));
    }
    if ((chunk.nSize & 1) != 0) {
        out.put('\0');
    }
    return static_cast<bool>(out);
}

CString Write(const RepairPlan& plan, const CString& strInput, const CString& strOutput) {
    std::ifstream in(strInput, std::ios::binary);
    if (!in) {
        return "couldn't open " + strInput + " to read it";
    }
    std::ofstream out(strOutput, std::ios::binary | std::ios::trunc);
    if (!out) {
        return "couldn't create " + strOutput;
    }
    PutHeader(out, plan.formId, plan.nFormHeaderSize);
    out.write("WAVE", 4);
    for (const RepairChunk& chunk : plan.chunks) {
        if (!WriteChunk(in, chunk, out)) {
            return "couldn't copy the bytes at " + std::to_string(chunk.nSourceOffset) + " of " +
                   strInput + " into " + strOutput;
        }
    }
    out.close();
    return out ? CString() : "couldn't finish writing " + strOutput;
}

}  // namespace

CString RepairTargetProblem(const CString& strInput, const CString& strOutput) {
    std::error_code error;
    if (strInput == strOutput || std::filesystem::equivalent(strInput, strOutput, error)) {
        return "the output " + strOutput + " is the file repaired; name a new file";
    }
    return CString();
}

CString WriteRepair(const RepairPlan& plan, const CString& strInput, const CString& strOutput) {
    if (!plan.strRefused.empty()) {
        return plan.strRefused;
    }
    if (CString strProblem = RepairTargetProblem(strInput, strOutput); !strProblem.empty()) {
        return strProblem;
    }
    CString strFailure = Write(plan, strInput, strOutput);
    if (!strFailure.empty()) {
        std::error_code error;
        std::filesystem::remove(strOutput, error);
    }
    return strFailure;
}
