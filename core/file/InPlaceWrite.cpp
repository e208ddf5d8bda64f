#include "core/file/InPlaceWrite.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/io/FileAt.h"
#include "core/io/FileIdentity.h"
#include "core/io/MmioSeam.h"

namespace {

constexpr auto kPage = static_cast<std::int64_t>(kJournalPage);

enum class Group { PastOldEnd, Within, DeclaredSize, CutOff };

struct Piece {
    Group group;
    std::int64_t offset;
    std::int64_t length;
    CString strNew;  // none for what is cut off
};

// The span from offset split where the file's pages begin; newBytes null for what is cut off.
void AddPieces(std::int64_t offset, std::int64_t length, const CString* pNew, Group group,
               std::int64_t oldSize, std::vector<Piece>& rPieces) {
    const std::int64_t end = offset + length;
    for (std::int64_t at = offset; at < end;) {
        const std::int64_t pieceEnd = std::min(end, (at / kPage + 1) * kPage);
        const Group pieceGroup = pNew && at >= oldSize ? Group::PastOldEnd : group;
        rPieces.push_back({pieceGroup, at, pieceEnd - at,
                           pNew ? pNew->substr(static_cast<std::size_t>(at - offset),
                                               static_cast<std::size_t>(pieceEnd - at))
                                : CString()});
        at = pieceEnd;
    }
}

std::vector<Piece> Pieces(const InPlacePlan& plan) {
    std::vector<Piece> pieces;
    const std::size_t nFirstSize = plan.ranges.size() - plan.nSizes;
    for (std::size_t i = 0; i < plan.ranges.size(); ++i) {
        const FileBytes& range = plan.ranges[i];
        AddPieces(range.offset, static_cast<std::int64_t>(range.bytes.size()), &range.bytes,
                  i < nFirstSize ? Group::Within : Group::DeclaredSize, plan.oldSize, pieces);
    }
    // What a shrinking save cuts off is kept for its rollback, and written by nobody.
    if (plan.newSize < plan.oldSize) {
        AddPieces(plan.newSize, plan.oldSize - plan.newSize, nullptr, Group::CutOff, plan.oldSize,
                  pieces);
    }
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.group < b.group; });
    return pieces;
}

bool Overlap(std::vector<Piece> pieces) {
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.offset < b.offset; });
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        if (pieces[i].offset < pieces[i - 1].offset + pieces[i - 1].length) {
            return true;
        }
    }
    return false;
}

CString Failed(const char* pszCall, std::int64_t offset) {
    const int nError = errno;
    return CString(pszCall) + " at offset " + std::to_string(offset) + ": " + std::strerror(nError);
}

}  // namespace

std::optional<InPlaceWrite> PieceOut(int fd, const InPlacePlan& plan) {
    const std::vector<Piece> pieces = Pieces(plan);
    if (Overlap(pieces)) {
        return std::nullopt;
    }
    const FileIdentity start = FileIdentityOfDescriptor(fd);
    if (!start.bKnown || start.size != plan.oldSize) {
        return std::nullopt;
    }
    InPlaceWrite write{{start, plan.newSize, {}}, {}};
    for (const Piece& piece : pieces) {
        const std::int64_t oldLength =
            std::clamp<std::int64_t>(plan.oldSize - piece.offset, 0, piece.length);
        std::optional<CString> old = ReadAt(fd, piece.offset, static_cast<std::size_t>(oldLength));
        if (!old || static_cast<std::int64_t>(old->size()) != oldLength) {
            return std::nullopt;
        }
        write.record.segments.push_back(
            {piece.offset, std::move(*old), static_cast<std::uint32_t>(piece.strNew.size()),
             JournalChecksum(piece.strNew.data(), piece.strNew.size())});
        write.newBytes.push_back(piece.strNew);
    }
    return write;
}

CString WritePieces(int fd, const InPlaceWrite& write) {
    MmioSystemCalls& calls = mmioSystemCalls();
    const std::int64_t oldSize = write.record.start.size;
    const std::int64_t newSize = write.record.newSize;
    if (newSize > oldSize && calls.fallocate(fd, oldSize, newSize - oldSize) != 0) {
        return "no room for the " + std::to_string(newSize - oldSize) + " bytes it grows by (" +
               Failed("fallocate", oldSize) + ")";
    }
    for (std::size_t i = 0; i < write.newBytes.size(); ++i) {
        const JournalSegment& segment = write.record.segments[i];
        if (segment.newLength > 0 && !WriteAt(fd, segment.offset, write.newBytes[i])) {
            return Failed("write", segment.offset);
        }
    }
    if (newSize < oldSize && calls.ftruncate(fd, newSize) != 0) {
        return Failed("ftruncate", newSize);
    }
    return calls.fsync(fd) == 0 ? CString() : Failed("fsync", 0);
}
