#include "core/fields/ChunkFields.h"

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
}

const FieldTable* FieldTableOf(const CChunk& chunk) {
    if (const auto* pFormat = ClassCast<const CfmtChunkModel>(&chunk)) {
        switch (pFormat->FormatTag()) {
            case WAVE_FORMAT_PCM:
                return &kPcmFormatFields;
            case WAVE_FORMAT_MPEG:
                return &kMpegFormatFields;
            default:
                return nullptr;
        }
    }
    if (ClassCast<const CfactChunkModel>(&chunk)) {
        return &kFactFields;
    }
    if (ClassCast<const CBEXTChunkModel>(&chunk)) {
        return &kBextFields;
    }
    if (ClassCast<const CMEXTChunkModel>(&chunk)) {
        return &kMextFields;
    }
    if (ClassCast<const Cds64ChunkModel>(&chunk)) {
        return &kDs64Fields;
    }
    return nullptr;
}

std::span<const FieldTable* const> FieldTables() {
    return kTables;
}
