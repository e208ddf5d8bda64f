#include "cli/FileReport.h"

#include "cli/LoadedFile.h"
#include "cli/ShownDetails.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/OverviewText.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChunkDetails.h"

std::vector<FieldValue> FieldsOf(const CChunk& chunk, const FieldTable& table) {
    std::vector<FieldValue> fields;
    for (const FieldLayout& field : table.fields) {
        fields.push_back({&field, ReadFieldText(chunk, field)});
    }
    return fields;
}

ChunkReport ChunkEntryOf(const CChunk& chunk) {
    const MMCKINFO& ck = chunk.m_ck;
    return {chunk.m_strName, IdText(ck.ckid), ck.llDataSize, ck.llDataOffset, nullptr, {}, {}};
}

std::optional<ChunkReport> FieldsAndDetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    const FieldTable* pTable = FieldTableOf(chunk);
    std::vector<DetailTable> details = DetailsOf(chunk, facts);
    CutForInfo(details, chunk.DataSize());
    if (!pTable && details.empty()) {
        return std::nullopt;
    }
    ChunkReport report = ChunkEntryOf(chunk);
    report.pTable = pTable;
    if (pTable) {
        report.fields = FieldsOf(chunk, *pTable);
    }
    report.details = std::move(details);
    return report;
}

FileReport FileSummaryOf(const CLoadedFile& file) {
    FileReport report{file.Path(), file.Failure(), {}, file.Root().LoadNote(), {}, {}};
    if (file.IsLoaded()) {
        report.strForm = FormName(file.Root().m_ck.ckid);
        report.strOverview = OverviewOf(file.Root());
        report.details = FileDetails(file.Root());
    }
    return report;
}

ChunkReport ChunkReportOf(const CChunk& chunk, const AudioFacts& facts) {
    std::optional<ChunkReport> report = FieldsAndDetailsOf(chunk, facts);
    return report ? std::move(*report) : ChunkEntryOf(chunk);
}
