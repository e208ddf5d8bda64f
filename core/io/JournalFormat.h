#pragma once
// The bytes of a save's journal: which file it belongs to (device and inode), the state that
// file was in when the save began and the size the save leaves it at, and for each piece of the
// file the save writes, the old bytes with a checksum of them and of the new ones. A checksum
// over the header alone tells a journal cut short by a crash from one that was never a journal
// of this file; one over everything tells that the journal is whole.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/io/FileIdentity.h"

// A piece of the file that a save writes: never more than a page, and within one page, so that
// a kill does not leave part of a write done.
struct JournalSegment {
    std::int64_t offset = 0;
    CString old;                  // the bytes the file held there (none past its old end)
    std::uint32_t newLength = 0;  // the bytes the save writes there (0: the save cuts them off)
    std::uint64_t newSum = 0;
};

struct JournalRecord {
    FileIdentity start;  // the file as the save found it; start.size is its old size
    std::int64_t newSize = 0;
    std::vector<JournalSegment> segments;
};

constexpr std::size_t kJournalPage = 4096;
// No save writes a larger journal (it saves the whole file anew instead), and none is read.
constexpr std::int64_t kLargestJournal = std::int64_t{64} << 20;

std::uint64_t JournalChecksum(const char* p, std::size_t n);
// The size of the journal of the record, without encoding it.
std::int64_t EncodedSize(const JournalRecord& record);
CString EncodeJournal(const JournalRecord& record);

struct DecodedJournal {
    std::optional<JournalRecord>
        header;  // the record without its segments, when its header is whole
    std::optional<JournalRecord> whole;  // everything, when the journal is whole and consistent
    CString strProblem;                  // why not, when whole is empty
    // Cut short before its header was whole: a save stops there before it changes its file.
    bool bCutBeforeHeader = false;
    // Its header whole, but not the rest: a crash while it was written, or damage.
    bool bCutShort = false;
};

DecodedJournal DecodeJournal(const CString& strText);
