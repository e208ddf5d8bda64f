#include "cli/FileReport.h"

#include "cli/LoadedFile.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/OverviewText.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChunkDetails.h"
#include "core/fields/ChunkFields.h"
#include "core/fields/FieldCodec.h"

std::vector<FieldValue> FieldsOf(const CChunk& chunk, const FieldTable& table) {
    std::vector<FieldValue> fields;
    for (const FieldLayout& field : table.fields) {
        fields.push_back({&field, ReadFieldText(chunk, field)});
    }
    return fields;
}

FileReport ReportOf(const CLoadedFile& file) {
    FileReport report{file.Path(), file.Failure(), {}, file.Root().LoadNote(), {}, {}, {}};
    if (!file.IsLoaded()) {
        return report;
    }
    report.strForm = FormName(file.Root().m_ck.ckid);
    report.strOverview = OverviewOf(file.Root());
    report.details = FileDetails(file.Root());
    const AudioFacts facts = AudioFactsOf(file.Root());
    for (const CChunk* pChunk : file.Chunks()) {
        const MMCKINFO& ck = pChunk->m_ck;
        const FieldTable* pTable = FieldTableOf(*pChunk);
        report.chunks.push_back({pChunk->m_strName, IdText(ck.ckid), ck.llDataSize, ck.llDataOffset,
                                 pTable,
                                 pTable ? FieldsOf(*pChunk, *pTable) : std::vector<FieldValue>(),
                                 DetailsOf(*pChunk, facts)});
    }
    return report;
}
