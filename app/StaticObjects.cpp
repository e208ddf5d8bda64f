// The program's static objects. C++ orders static construction only inside one translation unit,
// so the registry, the overview text and the prototypes are all defined here, in this order, and
// destroyed in the reverse order. The prototypes are those of the core's list of kinds, in its
// order, each made of the window's class of its kind: one line below for each kind with a page.

#include "bwf/BEXTChunk.h"
#include "bwf/MEXTChunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "pages/Overview.h"
#include "core/kinds/KindPrototypes.h"
#include "format/ds64Chunk.h"
#include "format/factChunk.h"
#include "format/fmtChunk.h"
#include "pages/CartChunk.h"
#include "pages/CueChunk.h"
#include "pages/DataChunk.h"
#include "pages/InstChunk.h"
#include "pages/IxmlChunk.h"
#include "pages/ListChunk.h"
#include "pages/NamedChunk.h"
#include "pages/RiffChunk.h"
#include "pages/SmplChunk.h"
#include "pages/UnknownChunk.h"
#include "player/MediaPlayerControl.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunk));
CString g_strOverview;
BOOL g_bHasBext = FALSE;
const CKindPrototypes g_prototypes({
    RUNTIME_CLASS(CRiffChunk),
    RUNTIME_CLASS(CListChunk),
    RUNTIME_CLASS(CBEXTChunk),
    RUNTIME_CLASS(CMEXTChunk),
    RUNTIME_CLASS(CfmtChunk),
    RUNTIME_CLASS(CfactChunk),
    RUNTIME_CLASS(CdataChunk),
    RUNTIME_CLASS(CiXMLChunk),
    RUNTIME_CLASS(CcueChunk),
    RUNTIME_CLASS(CcartChunk),
    RUNTIME_CLASS(CsmplChunk),
    RUNTIME_CLASS(CinstChunk),
    RUNTIME_CLASS(Cds64Chunk),
    RUNTIME_CLASS(CNamedChunk),
});

// The player control is installed with the program: windows create it by its class id.
const bool g_bPlayerRegistered =
    (AfxRegisterControl(MediaPlayerControl::kClassId, &MediaPlayerControl::Create), true);
