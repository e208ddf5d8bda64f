#include "cli/FileReport.h"

#include "cli/ChunkId.h"
#include "cli/FieldBox.h"
#include "cli/LoadedFile.h"

std::vector<FieldValue> FieldsOf(PageKind page, CChunkPage& pageWindow) {
    std::vector<FieldValue> fields;
    for (const FieldEntry& entry : CFieldCatalog::Instance().Fields()) {
        if (entry.page != page) {
            continue;
        }
        const CFieldBox box(entry, pageWindow);
        fields.push_back({&entry, box.IsHeld() ? std::optional(box.Text()) : std::nullopt});
    }
    return fields;
}

FileReport ReportOf(CLoadedFile& file) {
    FileReport report{file.Path(), file.Failure(), file.Overview(), {}};
    for (const ShownChunk& shown : file.Chunks()) {
        const MMCKINFO& ck = shown.pChunk->m_ck;
        ChunkReport chunk{shown.pChunk->m_strName, IdText(ck.ckid), ck.cksize,
                          ck.dwDataOffset,         shown.page,      {}};
        if (shown.page && shown.pPage) {
            chunk.fields = FieldsOf(*shown.page, *shown.pPage);
        }
        report.chunks.push_back(std::move(chunk));
    }
    return report;
}
