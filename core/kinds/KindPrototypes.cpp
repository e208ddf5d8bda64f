#include "core/kinds/KindPrototypes.h"

#include <algorithm>

#include "core/chunks/Chunk.h"
#include "core/kinds/ChunkKind.h"
#include "core/kinds/KindHandOver.h"

namespace {

const CRuntimeClass* ClassOf(const ChunkKind& kind,
                             std::initializer_list<const CRuntimeClass*> faceClasses) {
    const auto found = std::find_if(
        faceClasses.begin(), faceClasses.end(),
        [&kind](const CRuntimeClass* pClass) { return pClass->IsDerivedFrom(kind.modelClass); });
    return found == faceClasses.end() ? kind.modelClass : *found;
}

}  // namespace

CKindPrototypes::CKindPrototypes(std::initializer_list<const CRuntimeClass*> faceClasses) {
    HandKindsDown();
    for (const ChunkKind& kind : ChunkKinds()) {
        if (!kind.modelClass) {
            continue;
        }
        // Built before main: a prototype that cannot be had leaves its kind to the unknown class.
        std::unique_ptr<CChunk> pPrototype(
            static_cast<CChunk*>(ClassOf(kind, faceClasses)->CreateObject()));
        if (pPrototype) {
            pPrototype->Register(kind.id);
            m_prototypes.push_back(std::move(pPrototype));
        }
    }
}

CKindPrototypes::~CKindPrototypes() = default;
