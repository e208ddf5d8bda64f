#include "core/integrity/RawLayout.h"

#include <algorithm>
#include <atomic>
#include <fstream>

#include "core/base/LittleEndian.h"
#include "core/fields/Ds64Fields.h"

namespace {

// The payloads a rule reads are small; a larger one is not held, so that a hostile size cannot
// make the check allocate without bound.
constexpr std::int64_t kLargestHeld = 16 << 20;
constexpr std::uint32_t kUnset64 = 0xFFFFFFFF;

// The 32-bit size field of a chunk or form header.
std::int64_t HeaderSize(const std::vector<BYTE>& header) {
    return static_cast<std::int64_t>(LittleEndianOr0(header, 4, 4));
}

// A ds64 size field, held at the largest offset: a size from a ds64 chunk may be anything below
// 2^64.
std::optional<std::int64_t> Ds64Size(const RawChunk& ds64, const char* pszName) {
    const auto value = kDs64Fields.Find(pszName)->NumberIn(ds64.payload);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(*value, std::numeric_limits<std::int64_t>::max()));
}

bool IsIdText(const BYTE* p) {
    return std::all_of(p, p + 4, [](BYTE c) { return c >= 0x20 && c < 0x7F; });
}

// Set before the first check; checks on several threads read it.
std::atomic<PayloadReadLookup> g_lookup{nullptr};

bool IsHeld(const CString& strId) {
    const PayloadReadLookup lookup = g_lookup.load(std::memory_order_acquire);
    return lookup && lookup(strId);
}

void TakeDs64FormSize(RawLayout& layout) {
    if (layout.strForm == "RF64" && layout.nFormDeclared == kUnset64 && layout.nDs64RiffSize) {
        layout.nFormSize = *layout.nDs64RiffSize;
    }
}

class CReader {
public:
    explicit CReader(const CString& strPath) : m_file(strPath, std::ios::binary) {}
    bool IsOpen() const { return m_file.is_open(); }
    std::vector<BYTE> Read(std::int64_t nOffset, std::int64_t nSize) {
        std::vector<BYTE> bytes(static_cast<std::size_t>(std::max<std::int64_t>(nSize, 0)));
        m_file.clear();
        m_file.seekg(nOffset);
        m_file.read(reinterpret_cast<char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(m_file.gcount(), 0)));
        return bytes;
    }

private:
    std::ifstream m_file;
};

// The form's size is known from here on, so that the chunks after it are not taken to stand
// after the form's 4 GiB.
void ReadDs64(RawLayout& layout, const RawChunk& chunk) {
    const auto riffSize = Ds64Size(chunk, "riffSize");
    const auto dataSize = Ds64Size(chunk, "dataSize");
    if (riffSize && dataSize) {
        layout.nDs64RiffSize = riffSize;
        layout.nDs64DataSize = dataSize;
        layout.nDs64SampleCount = Ds64Size(chunk, "sampleCount");
        TakeDs64FormSize(layout);
    }
}

// Whether the header at nOffset is a chunk header whose id reads as text.
bool HeaderAt(CReader& reader, std::int64_t nOffset, std::int64_t nFileSize) {
    if (nOffset > nFileSize - 8) {
        return false;
    }
    const std::vector<BYTE> header = reader.Read(nOffset, 8);
    return header.size() == 8 && IsIdText(header.data());
}

// Where the chunk after this one starts: after the pad byte of an odd size, unless only the
// place without it holds a chunk header.
std::int64_t NextOffset(CReader& reader, RawChunk& chunk, std::int64_t nFileSize) {
    if ((chunk.nSize & 1) == 0) {
        return chunk.End();
    }
    const std::int64_t nAfterPad = SaturatedSum(chunk.End(), 1);
    if (!HeaderAt(reader, nAfterPad, nFileSize) && HeaderAt(reader, chunk.End(), nFileSize)) {
        chunk.bPadMissing = true;
        return chunk.End();
    }
    return nAfterPad;
}

void WalkChunks(CReader& reader, RawLayout& layout) {
    for (std::int64_t nOffset = 12; nOffset < layout.nFileSize;) {
        if (layout.chunks.size() == kMostRawChunks) {
            layout.nStoppedAt = nOffset;
            return;
        }
        if (!HeaderAt(reader, nOffset, layout.nFileSize)) {
            layout.nTrailingOffset = nOffset;
            return;
        }
        const std::vector<BYTE> header = reader.Read(nOffset, 8);
        RawChunk chunk;
        chunk.strId.assign(header.begin(), header.begin() + 4);
        chunk.nOffset = nOffset;
        chunk.nSize = HeaderSize(header);
        chunk.nDeclared = chunk.nSize;
        chunk.bAfterForm = nOffset >= layout.FormEnd();
        if (chunk.strId == "data" && layout.strForm == "RF64" && chunk.nSize == kUnset64 &&
            layout.nDs64DataSize) {
            chunk.nSize = *layout.nDs64DataSize;
        }
        if (IsHeld(chunk.strId) && chunk.nSize <= kLargestHeld) {
            // No more than the file holds: a size past its end would be zero-filled for nothing.
            const std::int64_t nHeld = std::min(
                chunk.nSize, std::max<std::int64_t>(layout.nFileSize - chunk.DataOffset(), 0));
            chunk.payload = reader.Read(chunk.DataOffset(), nHeld);
        }
        if (chunk.strId == "ds64") {
            ReadDs64(layout, chunk);
        }
        nOffset = NextOffset(reader, chunk, layout.nFileSize);
        layout.chunks.push_back(std::move(chunk));
    }
}

}  // namespace

const RawChunk* RawLayout::Find(const CString& strId) const {
    const auto found = std::find_if(chunks.begin(), chunks.end(), [&strId](const RawChunk& chunk) {
        return chunk.strId == strId;
    });
    return found == chunks.end() ? nullptr : &*found;
}

void SetPayloadReadLookup(PayloadReadLookup lookup) {
    g_lookup.store(lookup, std::memory_order_release);
}

RawLayout ReadRawLayout(const CString& strPath) {
    RawLayout layout;
    CReader reader(strPath);
    if (!reader.IsOpen()) {
        layout.strUnreadable = "couldn't open the file";
        return layout;
    }
    std::ifstream sized(strPath, std::ios::binary | std::ios::ate);
    layout.nFileSize = static_cast<std::int64_t>(sized.tellg());
    const std::vector<BYTE> header = reader.Read(0, 12);
    if (header.size() < 12) {
        layout.strUnreadable = "the file is shorter than a RIFF header (12 bytes)";
        return layout;
    }
    layout.strForm.assign(header.begin(), header.begin() + 4);
    layout.strFormType.assign(header.begin() + 8, header.end());
    layout.nFormSize = HeaderSize(header);
    layout.nFormDeclared = layout.nFormSize;
    WalkChunks(reader, layout);
    return layout;
}
