#include "core/kinds/ChunkFields.h"

#include <unordered_map>
#include <vector>

#include "core/chunks/Chunk.h"
#include "core/kinds/ChunkKind.h"

namespace {

// The kind of a class that one kind alone has; made once, then only read: loads on several
// threads ask it at once.
const ChunkKind* KindOfClass(const CRuntimeClass* pClass) {
    static const std::unordered_map<const CRuntimeClass*, const ChunkKind*> kinds = [] {
        std::unordered_map<const CRuntimeClass*, const ChunkKind*> byClass;
        std::unordered_map<const CRuntimeClass*, int> counts;
        for (const ChunkKind& kind : ChunkKinds()) {
            byClass.emplace(kind.modelClass, &kind);
            ++counts[kind.modelClass];
        }
        std::erase_if(byClass, [&counts](const auto& entry) { return counts[entry.first] > 1; });
        return byClass;
    }();
    const auto found = kinds.find(pClass);
    return found == kinds.end() ? nullptr : found->second;
}

// The kinds that share a class (those without one of their own) go by the chunk's id: as read,
// or as the registry named the chunk before a load read its header.
const ChunkKind* KindOfSharedClass(const CChunk& chunk) {
    for (const ChunkKind* pKind : {KindOfId(chunk.m_ck.ckid), KindOfId(chunk.m_strName)}) {
        if (pKind && pKind->modelClass && chunk.IsKindOf(pKind->modelClass)) {
            return pKind;
        }
    }
    return nullptr;
}

const FieldTable* FieldsOfKind(const ChunkKind& kind, const CChunk& chunk) {
    if (kind.pickFields) {
        return kind.pickFields(chunk);
    }
    return kind.fieldTables.empty() ? nullptr : kind.fieldTables.front();
}

}  // namespace

const FieldTable* FieldTableOfKind(const CChunk& chunk) {
    if (const ChunkKind* pKind = KindOfSharedClass(chunk)) {
        return FieldsOfKind(*pKind, chunk);
    }
    // One walk up the chunk's class records, ending at the plain chunk: a load asks this of every
    // chunk, most of them of classes without fields.
    for (const CRuntimeClass* pClass = chunk.GetRuntimeClass();
         pClass && pClass != RUNTIME_CLASS(CChunk); pClass = pClass->m_pBaseClass) {
        if (const ChunkKind* pKind = KindOfClass(pClass)) {
            return FieldsOfKind(*pKind, chunk);
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
