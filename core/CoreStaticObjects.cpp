// The static objects of a program on the core alone (ovalis-cli, the benchmarks, the fuzz
// targets). C++ orders static construction only inside one translation unit, so the registry and
// the prototypes are both defined here, in this order, and destroyed in the reverse order. The
// prototypes are those of the list of kinds, in its order.

#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/UnknownChunkModel.h"
#include "core/kinds/KindPrototypes.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunkModel));
const CKindPrototypes g_prototypes;
