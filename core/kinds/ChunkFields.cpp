// The field table lookup declared with the tables, answered from the list of kinds.

#include "core/fields/ChunkFields.h"

#include <vector>

#include "core/chunks/Chunk.h"
#include "core/fields/ChunkKind.h"

namespace {

const ChunkKind* KindOfClass(const CRuntimeClass* pClass) {
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.modelClass == pClass) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace

const FieldTable* FieldTableOf(const CChunk& chunk) {
    // One walk up the chunk's class records, ending at the plain chunk: a load asks this of every
    // chunk, most of them of classes without fields.
    for (const CRuntimeClass* pClass = chunk.GetRuntimeClass();
         pClass && pClass != RUNTIME_CLASS(CChunk); pClass = pClass->m_pBaseClass) {
        if (const ChunkKind* pKind = KindOfClass(pClass)) {
            if (pKind->pickFields) {
                return pKind->pickFields(chunk);
            }
            return pKind->fieldTables.empty() ? nullptr : pKind->fieldTables.front();
        }
    }
    return nullptr;
}

std::span<const FieldTable* const> FieldTables() {
    static const std::vector<const FieldTable*> tables = [] {
        std::vector<const FieldTable*> all;
        for (const ChunkKind& kind : ChunkKinds()) {
            all.insert(all.end(), kind.fieldTables.begin(), kind.fieldTables.end());
        }
        return all;
    }();
    return tables;
}
