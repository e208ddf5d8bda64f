#include "core/kinds/KindHandOver.h"

#include "core/chunks/ChunkFieldTable.h"
#include "core/details/ChunkDetails.h"
#include "core/integrity/RawLayout.h"
#include "core/kinds/ChunkFields.h"
#include "core/kinds/ChunkKind.h"

namespace {

// The kind goes by the id in any letter case, as the registry picks its model: a chunk stored
// as "list" is a LIST chunk on a LIST tab.
KindDetails DetailsOfId(FOURCC ckid) {
    const ChunkKind* pKind = KindOfId(ckid);
    return pKind ? KindDetails{pKind->details, pKind->detailsReadFacts} : KindDetails{};
}

bool CheckReadsPayloadOf(const CString& strId) {
    const ChunkKind* pKind = KindOfId(strId);
    return pKind && pKind->checkReadsPayload;
}

}  // namespace

void HandKindsDown() {
    SetFieldTableLookup(FieldTableOfKind);
    SetKindDetailsLookup(DetailsOfId);
    SetPayloadReadLookup(CheckReadsPayloadOf);
}
