#include "core/io/JournalFormat.h"

#include <algorithm>
#include <array>

namespace {

constexpr char kMagic[] = "OVALISJ3";
// Earlier journals named no file: they are reported, never applied.
constexpr std::array<const char*, 2> kEarlierMagics = {"OVALISJ1", "OVALISJ2"};
constexpr std::size_t kMagicSize = 8;
// Magic, device, inode, size, modification and change times, new size, count, old bytes,
// header checksum.
constexpr std::size_t kHeaderSize = kMagicSize + 8 * 8 + 4 + 8 + 8;
// Offset, old length, new length, old and new checksums.
constexpr std::size_t kSegmentHeaderSize = 8 + 4 + 4 + 8 + 8;

void Append(CString& strOut, std::uint64_t value, int nBytes) {
    for (int i = 0; i < nBytes; ++i) {
        strOut += static_cast<char>(value >> (8 * i));
    }
}

void AppendIdentity(CString& strOut, const FileIdentity& identity) {
    for (const std::int64_t value :
         {static_cast<std::int64_t>(identity.device), static_cast<std::int64_t>(identity.inode),
          identity.size, identity.modifiedSeconds, identity.modifiedNanoseconds,
          identity.changedSeconds, identity.changedNanoseconds}) {
        Append(strOut, static_cast<std::uint64_t>(value), 8);
    }
}

std::uint64_t OldBytes(const JournalRecord& record) {
    std::uint64_t n = 0;
    for (const JournalSegment& segment : record.segments) {
        n += segment.old.size();
    }
    return n;
}

class Reader {
public:
    explicit Reader(const CString& strText) : m_text(strText) {}
    std::uint64_t Number(int nBytes) {
        std::uint64_t value = 0;
        for (int i = 0; i < nBytes; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(m_text[m_pos++])} << (8 * i);
        }
        return value;
    }
    std::int64_t Signed() { return static_cast<std::int64_t>(Number(8)); }
    CString Bytes(std::size_t n) {
        m_pos += n;
        return m_text.substr(m_pos - n, n);
    }
    std::size_t Position() const { return m_pos; }

private:
    const CString& m_text;
    std::size_t m_pos = 0;
};

FileIdentity ReadIdentity(Reader& reader) {
    FileIdentity identity;
    identity.bKnown = true;
    identity.device = reader.Number(8);
    identity.inode = reader.Number(8);
    identity.size = reader.Signed();
    identity.modifiedSeconds = reader.Signed();
    identity.modifiedNanoseconds = reader.Signed();
    identity.changedSeconds = reader.Signed();
    identity.changedNanoseconds = reader.Signed();
    return identity;
}

// Whether [from, to) lies within the union of the segments' spans that spanOf gives.
template <typename Span>
bool Covers(const std::vector<JournalSegment>& segments, std::int64_t from, std::int64_t to,
            Span spanOf) {
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    for (const JournalSegment& segment : segments) {
        spans.push_back(spanOf(segment));
    }
    std::sort(spans.begin(), spans.end());
    for (const auto& [begin, end] : spans) {
        if (begin <= from && end > from) {
            from = end;
        }
    }
    return from >= to;
}

std::int64_t Extent(const JournalSegment& segment) {
    return std::max<std::int64_t>(static_cast<std::int64_t>(segment.old.size()), segment.newLength);
}

// Pieces that overlap could not each be told old or new.
bool Overlap(const std::vector<JournalSegment>& segments) {
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    for (const JournalSegment& segment : segments) {
        spans.emplace_back(segment.offset, segment.offset + Extent(segment));
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].first < spans[i - 1].second) {
            return true;
        }
    }
    return false;
}

CString SegmentProblem(const JournalRecord& record, const JournalSegment& segment,
                       std::uint64_t oldSum) {
    constexpr auto kPage = static_cast<std::int64_t>(kJournalPage);
    const auto oldEnd = segment.offset + static_cast<std::int64_t>(segment.old.size());
    if (segment.offset < 0 || segment.offset > std::max(record.start.size, record.newSize) ||
        Extent(segment) == 0 ||
        segment.offset / kPage != (segment.offset + Extent(segment) - 1) / kPage ||
        (!segment.old.empty() && oldEnd > record.start.size) ||
        segment.offset + segment.newLength > record.newSize) {
        return "its piece at offset " + std::to_string(segment.offset) +
               " lies outside the sizes it records";
    }
    return oldSum == JournalChecksum(segment.old.data(), segment.old.size())
               ? CString()
               : "its old bytes at offset " + std::to_string(segment.offset) + " are damaged";
}

// The pieces must hold every byte the save cut off and write every byte it added.
CString CoverageProblem(const JournalRecord& record) {
    const std::int64_t oldSize = record.start.size;
    const bool bGrown = Covers(record.segments, oldSize, record.newSize, [](const auto& s) {
        return std::pair(s.offset, s.offset + std::int64_t{s.newLength});
    });
    const bool bCut = Covers(record.segments, record.newSize, oldSize, [](const auto& s) {
        return std::pair(s.offset, s.offset + static_cast<std::int64_t>(s.old.size()));
    });
    if (!bGrown || !bCut) {
        return "it does not hold every byte between the sizes it records (" +
               std::to_string(oldSize) + " and " + std::to_string(record.newSize) + ")";
    }
    return Overlap(record.segments) ? "its pieces overlap" : CString();
}

std::optional<JournalRecord> DecodeHeader(const CString& strText, std::uint32_t& rCount,
                                          std::uint64_t& rOldBytes) {
    if (strText.size() < kHeaderSize || JournalChecksum(strText.data(), kHeaderSize - 8) !=
                                            Reader(strText.substr(kHeaderSize - 8)).Number(8)) {
        return std::nullopt;
    }
    Reader reader(strText);
    reader.Bytes(kMagicSize);
    JournalRecord record;
    record.start = ReadIdentity(reader);
    record.newSize = reader.Signed();
    rCount = static_cast<std::uint32_t>(reader.Number(4));
    rOldBytes = reader.Number(8);
    constexpr std::int64_t kLargestSize = std::int64_t{1} << 62;
    if (record.start.size < 0 || record.newSize < 0 || record.start.size > kLargestSize ||
        record.newSize > kLargestSize) {
        return std::nullopt;
    }
    return record;
}

CString DecodeSegments(const CString& strText, std::uint32_t nCount, JournalRecord& record) {
    Reader reader(strText);
    reader.Bytes(kHeaderSize);
    for (std::uint32_t i = 0; i < nCount; ++i) {
        if (strText.size() - reader.Position() < kSegmentHeaderSize + 8) {
            return "its pieces do not add up to its size";
        }
        JournalSegment segment;
        segment.offset = reader.Signed();
        const auto nOld = static_cast<std::size_t>(reader.Number(4));
        segment.newLength = static_cast<std::uint32_t>(reader.Number(4));
        const std::uint64_t oldSum = reader.Number(8);
        segment.newSum = reader.Number(8);
        if (nOld > kJournalPage || strText.size() - reader.Position() < nOld + 8) {
            return "its pieces do not add up to its size";
        }
        segment.old = reader.Bytes(nOld);
        if (CString strProblem = SegmentProblem(record, segment, oldSum); !strProblem.empty()) {
            return strProblem;
        }
        record.segments.push_back(std::move(segment));
    }
    return reader.Position() + 8 == strText.size() ? CoverageProblem(record)
                                                   : "its pieces do not add up to its size";
}

}  // namespace

std::uint64_t JournalChecksum(const char* p, std::size_t n) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < n; ++i) {
        hash = (hash ^ static_cast<unsigned char>(p[i])) * 1099511628211ULL;
    }
    return hash;
}

std::int64_t EncodedSize(const JournalRecord& record) {
    return static_cast<std::int64_t>(kHeaderSize + 8 + kSegmentHeaderSize * record.segments.size() +
                                     OldBytes(record));
}

CString EncodeJournal(const JournalRecord& record) {
    CString strOut(kMagic, kMagicSize);
    AppendIdentity(strOut, record.start);
    Append(strOut, static_cast<std::uint64_t>(record.newSize), 8);
    Append(strOut, record.segments.size(), 4);
    Append(strOut, OldBytes(record), 8);
    Append(strOut, JournalChecksum(strOut.data(), strOut.size()), 8);
    for (const JournalSegment& segment : record.segments) {
        Append(strOut, static_cast<std::uint64_t>(segment.offset), 8);
        Append(strOut, segment.old.size(), 4);
        Append(strOut, segment.newLength, 4);
        Append(strOut, JournalChecksum(segment.old.data(), segment.old.size()), 8);
        Append(strOut, segment.newSum, 8);
        strOut += segment.old;
    }
    Append(strOut, JournalChecksum(strOut.data(), strOut.size()), 8);
    return strOut;
}

DecodedJournal DecodeJournal(const CString& strText) {
    DecodedJournal decoded;
    const CString strMagic = strText.substr(0, kMagicSize);
    if (strText.size() < kHeaderSize && CString(kMagic).starts_with(strMagic) &&
        (strText.size() <= kMagicSize || strMagic == kMagic)) {
        decoded.bCutBeforeHeader = true;
        decoded.strProblem = "it was cut short before its header was written";
        return decoded;
    }
    if (std::find(kEarlierMagics.begin(), kEarlierMagics.end(), strMagic) != kEarlierMagics.end()) {
        decoded.strProblem =
            "it was written by an earlier version of Ovalis, whose journals do not name the file "
            "they belong to";
        return decoded;
    }
    if (strMagic != kMagic) {
        decoded.strProblem = "it is not an Ovalis journal";
        return decoded;
    }
    std::uint32_t nCount = 0;
    std::uint64_t nOldBytes = 0;
    decoded.header = DecodeHeader(strText, nCount, nOldBytes);
    if (!decoded.header) {
        decoded.strProblem = "its header is cut short or damaged";
        return decoded;
    }
    const std::uint64_t nExpected = kHeaderSize + 8 + std::uint64_t{kSegmentHeaderSize} * nCount;
    if (nOldBytes > strText.size() || nExpected + nOldBytes != strText.size() ||
        JournalChecksum(strText.data(), strText.size() - 8) !=
            Reader(strText.substr(strText.size() - 8)).Number(8)) {
        decoded.bCutShort = true;
        decoded.strProblem = "it is cut short or damaged (" + std::to_string(strText.size()) +
                             " bytes, its checksum does not match)";
        return decoded;
    }
    JournalRecord record = *decoded.header;
    decoded.strProblem = DecodeSegments(strText, nCount, record);
    if (decoded.strProblem.empty()) {
        decoded.whole = std::move(record);
    }
    return decoded;
}
