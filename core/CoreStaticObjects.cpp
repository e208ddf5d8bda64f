// The static objects of a program on the core alone (ovalis-cli, the benchmarks, the fuzz
// targets). C++ orders static construction only inside one translation unit, so the registry,
// the overview text and the prototypes are all defined here, in this order, and destroyed in the
// reverse order. The prototypes are those of the list of kinds, in its order.

#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/Overview.h"
#include "core/chunks/UnknownChunkModel.h"
#include "core/kinds/KindPrototypes.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunkModel));
CString g_strOverview;
BOOL g_bHasBext = FALSE;
const CKindPrototypes g_prototypes;
