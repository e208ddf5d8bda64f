// The field table lookup declared with the tables, answered from the list of kinds.

#include "core/fields/ChunkFields.h"

#include <unordered_map>
#include <vector>

#include "core/chunks/Chunk.h"
#include "core/fields/ChunkKind.h"

namespace {

// Made once, then only read: loads on several threads ask it at once.
const ChunkKind* KindOfClass(const CRuntimeClass* pClass) {
    static const std::unordered_map<const CRuntimeClass*, const ChunkKind*> kinds = [] {
        std::unordered_map<const CRuntimeClass*, const ChunkKind*> byClass;
        for (const ChunkKind& kind : ChunkKinds()) {
            byClass.emplace(kind.modelClass, &kind);
        }
        return byClass;
    }();
    const auto found = kinds.find(pClass);
    return found == kinds.end() ? nullptr : found->second;
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
