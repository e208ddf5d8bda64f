#include "core/details/ChunkDetails.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/details/CueDetails.h"
#include "core/details/FormatDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/details/ListDetails.h"
#include "core/details/TimeReferenceDetails.h"

namespace {

// The kind of a chunk goes by its id in upper case, as the registry picks its model: a chunk
// stored as "list" is a LIST chunk on a LIST tab.
CString KindOf(const CChunk& chunk) {
    CString strKind = IdText(chunk.m_ck.ckid);
    for (char& c : strKind) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return strKind;
}

}  // namespace

std::vector<DetailTable> DetailsOf(const CChunk& chunk) {
    const CString strKind = KindOf(chunk);
    if (strKind == "FMT ") {
        return {FormatDetails(chunk)};
    }
    if (strKind == "LIST") {
        return ListDetails(chunk);
    }
    if (strKind == "CUE ") {
        return {CueDetails(chunk)};
    }
    if (strKind == "IXML") {
        return IxmlDetails(chunk);
    }
    if (strKind == "BEXT") {
        return {TimeReferenceDetails(chunk)};
    }
    return {};
}

CString DetailsText(const std::vector<DetailTable>& tables) {
    CString strText;
    for (const DetailTable& table : tables) {
        strText += (strText.empty() ? "" : "\n") + DetailTableText(table);
    }
    return strText;
}
