#include "core/file/RepairPlan.h"

#include <algorithm>
#include <filesystem>

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/fields/Ds64Fields.h"

namespace {

constexpr DWORD kStandIn = 0xFFFFFFFF;
constexpr std::int64_t kMost32 = 0xFFFFFFFF;

FOURCC Id(const char* pszId) {
    return mmioStringToFOURCC(pszId, 0);
}

CString IdOf(FOURCC ckid) {
    CString strId;
    for (int i = 0; i < 4; ++i) {
        strId += static_cast<char>((ckid >> (8 * i)) & 0xFF);
    }
    return strId;
}

bool IsPrintable(const CString& strId) {
    return std::all_of(strId.begin(), strId.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

CString Text(std::int64_t n) {
    return std::to_string(n);
}

// A top-level chunk as the load found it, its size mended.
struct Walked {
    FOURCC ckid;
    std::int64_t nDataOffset;
    std::int64_t nSize;
    DWORD nDeclared;
    const CChunk* pChunk;

    std::int64_t Header() const { return nDataOffset - 8; }
};

std::vector<Walked> WalkedChunks(const CRiffChunkModel& root) {
    std::vector<Walked> walked;
    for (CObject* pChild : root) {
        const auto* pChunk = static_cast<const CChunk*>(pChild);
        const MMCKINFO& ck = pChunk->m_ck;
        walked.push_back({ck.ckid, ck.bSized64 ? ck.llDataOffset : ck.dwDataOffset,
                          ck.bSized64 ? ck.llDataSize : ck.cksize, ck.cksize, pChunk});
    }
    return walked;
}

class CPlanner {
public:
    CPlanner(const CRiffChunkModel& root, std::int64_t nFileSize)
        : m_root(root), m_nFileSize(nFileSize), m_pDs64(root.FirstOf<const Cds64ChunkModel>()) {
        m_plan.formId = root.m_ck.ckid;
        m_bWide = m_plan.formId != Id("RIFF");
    }

    RepairPlan Plan() {
        if (m_bWide && (!m_pDs64 || m_pDs64->DataSize() < 16)) {
            return Refused("an RF64 form needs a ds64 chunk of at least 16 bytes with its sizes");
        }
        const std::vector<Walked> walked = WalkedChunks(m_root);
        for (std::size_t i = 0; i < walked.size(); ++i) {
            const std::int64_t nNext = i + 1 < walked.size()
                                           ? walked[i + 1].Header()
                                           : m_nFileSize - m_root.TrailingBytes().size();
            if (!TakeChunk(walked[i], nNext)) {
                return Refused(m_strRefused);
            }
        }
        KeepTrailingBytes();
        m_plan.nNewSize = 12;
        for (const RepairChunk& chunk : m_plan.chunks) {
            m_plan.nNewSize += 8 + chunk.nSize + (chunk.nSize & 1);
        }
        return m_bWide ? CloseWideForm() : CloseForm();
    }

private:
    RepairPlan Refused(const CString& strWhy) {
        RepairPlan refused;
        refused.strRefused = strWhy;
        return refused;
    }

    void Add(const CString& strChunk, std::int64_t nOffset, const char* pszWhat,
             const CString& strOld, const CString& strNew, const CString& strWhy) {
        m_plan.repairs.push_back({strChunk, nOffset, pszWhat, strOld, strNew, strWhy});
    }

    std::int64_t FormEnd() const {
        const bool bFromDs64 = m_bWide && m_root.m_ck.cksize == kStandIn;
        return 8 + (bFromDs64 ? m_pDs64->RiffFormSize() : std::int64_t{m_root.m_ck.cksize});
    }

    // A form size of 0 or 0xFFFFFFFF in a RIFF form was never written: no chunk stands after
    // such a form, it merely lacks its size.
    bool FormWasClosed() const {
        if (m_bWide) {
            return m_root.m_ck.cksize != kStandIn || m_pDs64->RiffFormSize() != 0;
        }
        return m_root.m_ck.cksize != 0 && m_root.m_ck.cksize != kStandIn;
    }

    // The id other programs look for, of a chunk the load took as ds64, as the format or as
    // samples whatever the case of its id; else the id as it stands.
    FOURCC ReadableId(const Walked& chunk) const {
        if (chunk.pChunk == m_pDs64) {
            return Id("ds64");
        }
        if (chunk.pChunk == static_cast<const CChunk*>(m_root.FormatChunk())) {
            return Id("fmt ");
        }
        return ClassCast<const CdataChunkModel>(chunk.pChunk) ? Id("data") : chunk.ckid;
    }

    // Why a size field said what it did, as far as its value tells.
    static CString SizeWhy(DWORD nDeclared, std::int64_t nSize) {
        if (nDeclared == 0) {
            return "left at 0 by a writer that stopped; the bytes run to " +
                   CString(nSize ? "the next chunk or the end of the file" : "nothing");
        }
        if (nDeclared == kStandIn) {
            return "never written; the bytes run to the end of the file";
        }
        return nDeclared > nSize ? "the chunk is cut off by the end of the file"
                                 : "the size disagrees with the bytes the chunk holds";
    }

    DWORD HeaderSize(const Walked& chunk, std::int64_t nSize, bool bSamples) const {
        if (bSamples && m_bWide) {
            return chunk.nDeclared == nSize ? chunk.nDeclared : kStandIn;
        }
        return static_cast<DWORD>(nSize);
    }

    bool TakeChunk(const Walked& chunk, std::int64_t nNext) {
        const CString strId = IdOf(chunk.ckid);
        const FOURCC readable = ReadableId(chunk);
        const bool bData = readable == Id("data");
        const bool bSamples = bData && !m_bDataSeen;
        const std::int64_t nSize =
            std::clamp<std::int64_t>(m_nFileSize - chunk.nDataOffset, 0, chunk.nSize);
        if (nSize > kMost32 && !(bSamples && m_bWide)) {
            m_strRefused = "the \"" + strId + "\" chunk at " + Text(chunk.Header()) +
                           " holds more than a 32-bit size can say";
            return false;
        }
        RepairChunk out{readable, HeaderSize(chunk, nSize, bSamples), chunk.nDataOffset, nSize, {}};
        if (bData && m_bDataSeen) {
            out.ckid = Id("JUNK");
            Add(strId, chunk.Header(), "id", "data", "JUNK",
                "a second data chunk, which readers skip; its bytes stay in a filler chunk");
        } else if (readable != chunk.ckid) {
            Add(strId, chunk.Header(), "id", strId, IdOf(readable),
                "other programs look for the id in this case");
        } else if (!IsPrintable(strId)) {
            out.ckid = Id("JUNK");
            Add(strId, chunk.Header(), "id", strId, "JUNK",
                "other programs end their walk at an id that is not text; its bytes stay in a "
                "filler chunk");
        }
        if (out.nHeaderSize != chunk.nDeclared) {
            Add(strId, chunk.Header(), "size", Text(chunk.nDeclared), Text(out.nHeaderSize),
                bSamples && m_bWide ? CString("the size is left to ds64")
                                    : SizeWhy(chunk.nDeclared, nSize));
        }
        if ((nSize & 1) != 0 && nNext == chunk.nDataOffset + nSize) {
            Add(strId, chunk.Header(), "pad byte", "missing", "0",
                "the size is odd and the next chunk started without the pad byte");
        }
        if (FormWasClosed() && chunk.Header() >= FormEnd()) {
            Add(strId, chunk.Header(), "place", "after the form", "inside the form",
                "other programs do not read a chunk after the form's end");
        }
        m_bDataSeen |= bData;
        if (bSamples) {
            m_nDataSize = nSize;
        }
        if (chunk.pChunk == m_pDs64) {
            m_nDs64Index = m_plan.chunks.size();
        }
        m_plan.chunks.push_back(std::move(out));
        return true;
    }

    // One to seven bytes after the last chunk make no chunk; a filler chunk keeps them.
    void KeepTrailingBytes() {
        const CString& strTrailing = m_root.TrailingBytes();
        if (strTrailing.empty()) {
            return;
        }
        const auto nSize = static_cast<std::int64_t>(strTrailing.size());
        m_plan.chunks.push_back({Id("JUNK"), static_cast<DWORD>(nSize), m_nFileSize - nSize, nSize,
                                 std::vector<BYTE>(strTrailing.begin(), strTrailing.end())});
        Add("RIFF", m_nFileSize - nSize, "stray bytes", Text(nSize) + " at the end", "a JUNK chunk",
            "they make no chunk; a filler chunk keeps them");
    }

    RepairPlan CloseForm() {
        if (m_plan.nNewSize - 8 > kMost32) {
            return Refused("the repaired file would pass 4 GiB, more than a RIFF form holds");
        }
        m_plan.nFormHeaderSize = static_cast<DWORD>(m_plan.nNewSize - 8);
        if (m_plan.nFormHeaderSize != m_root.m_ck.cksize) {
            m_plan.repairs.insert(
                m_plan.repairs.begin(),
                {"RIFF", 0, "size", Text(m_root.m_ck.cksize), Text(m_plan.nFormHeaderSize),
                 "the size of the chunks it holds"});
        }
        return m_plan;
    }

    void SetDs64(std::vector<BYTE>& payload, const char* pszName, std::int64_t nValue) {
        const FieldLayout& field = *kDs64Fields.Find(pszName);
        const auto nOld = static_cast<std::int64_t>(field.NumberIn(payload).value_or(0));
        if (nOld != nValue) {
            field.StoreIn(payload, static_cast<std::uint64_t>(nValue));
            Add("ds64", m_plan.chunks[m_nDs64Index].nSourceOffset - 8,
                pszName == CString("riffSize") ? "ds64 riffSize" : "ds64 dataSize", Text(nOld),
                Text(nValue), "the sizes of the repaired file");
        }
    }

    RepairPlan CloseWideForm() {
        m_plan.nFormHeaderSize = kStandIn;
        if (m_root.m_ck.cksize != kStandIn) {
            Add(IdOf(m_plan.formId), 0, "size", Text(m_root.m_ck.cksize), Text(kStandIn),
                "the size is left to ds64");
        }
        std::vector<BYTE> payload(m_pDs64->Data(), m_pDs64->Data() + m_pDs64->DataSize());
        SetDs64(payload, "riffSize", m_plan.nNewSize - 8);
        SetDs64(payload, "dataSize", m_nDataSize);
        m_plan.chunks[m_nDs64Index].replacement = std::move(payload);
        return m_plan;
    }

    const CRiffChunkModel& m_root;
    std::int64_t m_nFileSize;
    const Cds64ChunkModel* m_pDs64;
    bool m_bWide = false;
    bool m_bDataSeen = false;
    std::int64_t m_nDataSize = 0;
    std::size_t m_nDs64Index = 0;
    CString m_strRefused;
    RepairPlan m_plan;
};

}  // namespace

RepairPlan PlanRepair(const CString& strPath) {
    CRiffChunkModel root;
    if (!root.Load(strPath) || !root.LoadFailure().empty()) {
        RepairPlan refused;
        refused.strRefused =
            root.LoadFailure().empty() ? "the file cannot be read as chunks" : root.LoadFailure();
        return refused;
    }
    if (root.UnwalkedOffset() >= 0) {
        RepairPlan refused;
        refused.strRefused = root.LoadNote();
        return refused;
    }
    std::error_code error;
    const auto nFileSize = static_cast<std::int64_t>(std::filesystem::file_size(strPath, error));
    if (error) {
        RepairPlan refused;
        refused.strRefused = "the file's size cannot be had: " + error.message();
        return refused;
    }
    return CPlanner(root, nFileSize).Plan();
}
