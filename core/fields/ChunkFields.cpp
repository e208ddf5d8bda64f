#include "core/fields/ChunkFields.h"

#include <utility>

#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/MEXTChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/factChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/fields/BextFields.h"
#include "core/fields/Ds64Fields.h"
#include "core/fields/FactFields.h"
#include "core/fields/FormatFields.h"
#include "core/fields/MextFields.h"

namespace {
const FieldTable* const kTables[] = {&kPcmFormatFields, &kMpegFormatFields, &kFactFields,
                                     &kBextFields,      &kMextFields,       &kDs64Fields};

// The chunk classes whose fields do not depend on their payload.
const std::pair<const CRuntimeClass*, const FieldTable*> kKindTables[] = {
    {RUNTIME_CLASS(CfactChunkModel), &kFactFields},
    {RUNTIME_CLASS(CBEXTChunkModel), &kBextFields},
    {RUNTIME_CLASS(CMEXTChunkModel), &kMextFields},
    {RUNTIME_CLASS(Cds64ChunkModel), &kDs64Fields},
};

// A format record's fields go by its tag.
const FieldTable* FormatFields(const CfmtChunkModel& format) {
    switch (format.FormatTag()) {
        case WAVE_FORMAT_PCM:
            return &kPcmFormatFields;
        case WAVE_FORMAT_MPEG:
            return &kMpegFormatFields;
        default:
            return nullptr;
    }
}
}  // namespace

const FieldTable* FieldTableOf(const CChunk& chunk) {
    // One walk up the chunk's class records, ending at the plain chunk: a load asks this of every
    // chunk, most of them of classes without fields.
    for (const CRuntimeClass* pClass = chunk.GetRuntimeClass();
         pClass && pClass != RUNTIME_CLASS(CChunk); pClass = pClass->m_pBaseClass) {
        if (pClass == RUNTIME_CLASS(CfmtChunkModel)) {
            return FormatFields(static_cast<const CfmtChunkModel&>(chunk));
        }
        for (const auto& [pKind, pTable] : kKindTables) {
            if (pClass == pKind) {
                return pTable;
            }
        }
    }
    return nullptr;
}

std::span<const FieldTable* const> FieldTables() {
    return kTables;
}
