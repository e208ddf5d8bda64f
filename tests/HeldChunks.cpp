#include "HeldChunks.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"

namespace testfiles {

namespace {

Bytes SamplesInFile(const std::string& path, const MMCKINFO& ck) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff fileSize = file.tellg();
    // The real size: for RF64 the ds64 chunk's, for a recording never closed the file's rest.
    const std::streamoff available = std::max<std::streamoff>(0, fileSize - ck.llDataOffset);
    Bytes samples(static_cast<std::size_t>(std::min<std::streamoff>(ck.llDataSize, available)));
    file.seekg(ck.llDataOffset);
    file.read(reinterpret_cast<char*>(samples.data()),
              static_cast<std::streamsize>(samples.size()));
    samples.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, file.gcount())));
    return samples;
}

HeldChunk Held(const CChunk& chunk, const std::string& strSource) {
    HeldChunk held;
    held.ckid = chunk.m_ck.ckid;
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
        held.bytes = SamplesInFile(strSource, chunk.m_ck);
    } else if (chunk.IsKindOf(RUNTIME_CLASS(CRiffChunkModel))) {
        appendLe32(held.bytes, chunk.m_ck.fccType);
    } else if (chunk.IsKindOf(RUNTIME_CLASS(Cds64ChunkModel))) {
        // Its size alone, whatever the case of its id: a save writes into it the sizes of what it
        // wrote.
        held.size = chunk.DataSize();
        return held;
    } else {
        held.bytes.assign(chunk.Data(), chunk.Data() + chunk.DataSize());
    }
    held.size = static_cast<DWORD>(held.bytes.size());
    return held;
}

// The first offset at which the two differ.
std::size_t FirstDifference(const HeldChunk& expected, const HeldChunk& actual) {
    if (expected.bytes == actual.bytes) {
        return std::string::npos;
    }
    const std::size_t n = std::min(expected.bytes.size(), actual.bytes.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (expected.bytes[i] != actual.bytes[i]) {
            return i;
        }
    }
    return expected.bytes.size() == actual.bytes.size() ? std::string::npos : n;
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

}  // namespace

HeldTree HeldChunks(const CRiffChunkModel& root) {
    HeldTree tree;
    tree.reserve(static_cast<std::size_t>(root.GetCount()));
    for (CObject* pObject : root) {
        tree.push_back(Held(*static_cast<const CChunk*>(pObject), root.m_strOpenedPath));
    }
    return tree;
}

std::string DescribeDifference(const HeldTree& expected, const HeldTree& actual) {
    if (expected.size() != actual.size()) {
        return std::to_string(expected.size()) + " chunks expected, " +
               std::to_string(actual.size()) + " held";
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        // Made only for a difference: trees of thousands of equal chunks are compared often.
        const auto strWhere = [&] {
            return "chunk " + std::to_string(i) + " '" + IdText(expected[i].ckid) + "': ";
        };
        if (expected[i].ckid != actual[i].ckid) {
            return strWhere() + "held as '" + IdText(actual[i].ckid) + "'";
        }
        if (expected[i].size != actual[i].size) {
            return strWhere() + "size " + Hex(expected[i].size) + " expected, " +
                   Hex(actual[i].size) + " held";
        }
        const std::size_t nAt = FirstDifference(expected[i], actual[i]);
        if (nAt != std::string::npos) {
            return strWhere() + "bytes differ from offset " + Hex(static_cast<unsigned>(nAt));
        }
    }
    return {};
}

std::string DescribeSavedTree(const HeldTree& stored, const CString& strSaved) {
    CRiffChunkModel saved;
    if (!saved.Load(strSaved)) {
        return "the saved file does not load";
    }
    HeldTree expected = stored;
    HeldTree held = HeldChunks(saved);
    // The one chunk a save adds: the ds64 chunk that an RF64 or BW64 form lacked, in the place
    // of its first JUNK chunk, or else first.
    const auto isId = [](const char* pszId) {
        return [ckid = mmioStringToFOURCC(pszId, 0)](const HeldChunk& chunk) {
            return chunk.ckid == ckid;
        };
    };
    const auto added = std::find_if(held.begin(), held.end(), isId("ds64"));
    if (added != held.end() && std::none_of(expected.begin(), expected.end(), isId("ds64"))) {
        const auto place = expected.begin() + (added - held.begin());
        if (place < expected.end() && isId("JUNK")(*place) &&
            std::find_if(expected.begin(), place, isId("JUNK")) == place) {
            expected.erase(place);
        }
        held.erase(added);
    }
    const std::string strSaving = DescribeDifference(expected, held);
    return strSaving.empty() ? strSaving : "the saved file differs: " + strSaving;
}

std::string IdText(FOURCC ckid) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>(ckid >> (8 * i));
        text += c >= 0x20 && c <= 0x7E ? std::string(1, static_cast<char>(c))
                                       : "\\x" + Hex(c + 0x100u).substr(1);
    }
    return text;
}

}  // namespace testfiles
