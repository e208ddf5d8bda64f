// The program's static objects. C++ orders static construction only inside one translation unit,
// so the registry, the overview text and the prototypes are all defined here, in this order, and
// destroyed in the reverse order. Each prototype appends itself to the registry.

#include "bwf/BEXTChunk.h"
#include "bwf/MEXTChunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/Overview.h"
#include "format/ds64Chunk.h"
#include "format/factChunk.h"
#include "format/fmtChunk.h"
#include "pages/CueChunk.h"
#include "pages/DataChunk.h"
#include "pages/IxmlChunk.h"
#include "pages/ListChunk.h"
#include "pages/RiffChunk.h"
#include "pages/UnknownChunk.h"
#include "player/MediaPlayerControl.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunk));
CString g_strOverview;
BOOL g_bHasBext = FALSE;
CRiffChunk g_riffPrototype("RIFF", TRUE);
CListChunk g_listPrototype("LIST", TRUE);
CBEXTChunk g_bextPrototype("bext", TRUE);
CMEXTChunk g_mextPrototype("mext", TRUE);
CfmtChunk g_fmtPrototype("fmt ", TRUE);
CfactChunk g_factPrototype("fact", TRUE);
CdataChunk g_dataPrototype("data", TRUE);
CiXMLChunk g_ixmlPrototype("iXML", TRUE);
CcueChunk g_cuePrototype("cue ", TRUE);
Cds64Chunk g_ds64Prototype("ds64", TRUE);

// The player control is installed with the program: windows create it by its class id.
const bool g_bPlayerRegistered =
    (AfxRegisterControl(MediaPlayerControl::kClassId, &MediaPlayerControl::Create), true);
