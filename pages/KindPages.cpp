#include "pages/KindPages.h"

#include <map>

#include "core/chunks/KindChunkModel.h"
#include "core/kinds/ChunkKind.h"
#include "pages/FieldTablePage.h"

namespace {

// Filled once at start-up, then only read.
std::map<CString, KindPage>& RegisteredPages() {
    static std::map<CString, KindPage> pages;
    return pages;
}

}  // namespace

void RegisterKindPages(std::initializer_list<std::pair<const char*, KindPage>> pages) {
    for (const auto& [pId, page] : pages) {
        RegisteredPages()[pId] = page;
    }
}

bool ShowsFieldTablePage(const ChunkKind& kind) {
    return kind.modelClass == RUNTIME_CLASS(CKindChunkModel) && !kind.fieldTables.empty() &&
           RegisteredPages().count(kind.id) == 0;
}

KindPage KindPageOf(const ChunkKind& kind) {
    if (const auto found = RegisteredPages().find(kind.id); found != RegisteredPages().end()) {
        return found->second;
    }
    if (!ShowsFieldTablePage(kind)) {
        return {nullptr, 0};
    }
    const auto nIndex = static_cast<UINT>(&kind - ChunkKinds().data());
    return {MakePage<CFieldTablePage>, kFirstFieldTablePage + nIndex};
}
