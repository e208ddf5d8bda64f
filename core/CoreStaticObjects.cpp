// The static objects of a program on the core alone (ovalis-cli, the benchmarks, the fuzz
// targets). C++ orders static construction only inside one translation unit, so the registry,
// the overview text and the prototypes are all defined here, in this order, and destroyed in the
// reverse order. Each prototype appends itself to the registry.

#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/CueChunkModel.h"
#include "core/chunks/DataChunkModel.h"
#include "core/chunks/IxmlChunkModel.h"
#include "core/chunks/ListChunkModel.h"
#include "core/chunks/MEXTChunkModel.h"
#include "core/chunks/Overview.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/UnknownChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/factChunkModel.h"
#include "core/chunks/fmtChunkModel.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunkModel));
CString g_strOverview;
BOOL g_bHasBext = FALSE;
CRiffChunkModel g_riffPrototype("RIFF", TRUE);
CListChunkModel g_listPrototype("LIST", TRUE);
CBEXTChunkModel g_bextPrototype("bext", TRUE);
CMEXTChunkModel g_mextPrototype("mext", TRUE);
CfmtChunkModel g_fmtPrototype("fmt ", TRUE);
CfactChunkModel g_factPrototype("fact", TRUE);
CdataChunkModel g_dataPrototype("data", TRUE);
CiXMLChunkModel g_ixmlPrototype("iXML", TRUE);
CcueChunkModel g_cuePrototype("cue ", TRUE);
Cds64ChunkModel g_ds64Prototype("ds64", TRUE);
