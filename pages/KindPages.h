#pragma once
// The page the window shows for a chunk of a kind without a class of its own (the core's
// CKindChunkModel): a page registered for the kind at start-up, else, for a kind with fields, a
// field table page laid out from its table.

#include <initializer_list>
#include <utility>

#include "core/base/Types.h"

class CChunkPage;
struct ChunkKind;

struct KindPage {
    CChunkPage* (*make)();
    UINT nTemplate;
};

template <typename Page>
CChunkPage* MakePage() {
    return new Page;
}

// The template of the field table page of the n-th kind of the list is this plus n.
constexpr UINT kFirstFieldTablePage = 1600;

// Registers the pages of such kinds by id; the program's start-up calls it once, before any load.
void RegisterKindPages(std::initializer_list<std::pair<const char*, KindPage>> pages);
// The page registered for the kind; for another kind with fields, its field table page; else
// null make.
KindPage KindPageOf(const ChunkKind& kind);
// Whether the kind shows its fields on a field table page laid out from its table.
bool ShowsFieldTablePage(const ChunkKind& kind);
