#include "core/details/ChunkDetails.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/details/CueDetails.h"
#include "core/details/FormatDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/details/ListDetails.h"
#include "core/details/TimeReferenceDetails.h"

std::vector<DetailTable> DetailsOf(const CChunk& chunk) {
    const CString strId = IdText(chunk.m_ck.ckid);
    if (strId == "fmt ") {
        return {FormatDetails(chunk)};
    }
    if (strId == "LIST") {
        return ListDetails(chunk);
    }
    if (strId == "cue ") {
        return {CueDetails(chunk)};
    }
    if (strId == "iXML") {
        return IxmlDetails(chunk);
    }
    if (strId == "bext") {
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
