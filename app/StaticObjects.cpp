// The program's static objects. C++ orders static construction only inside one translation unit,
// so the registry, the overview text and the prototypes are all defined here, in this order, and
// destroyed in the reverse order. The prototypes are those of the core's list of kinds, in its
// order, each made of the window's class of its kind: one line below for each such class; the
// kinds without a class of their own show the page registered for them.

#include "bwf/BEXTChunk.h"
#include "bwf/MEXTChunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/kinds/KindPrototypes.h"
#include "format/ds64Chunk.h"
#include "format/factChunk.h"
#include "format/fmtChunk.h"
#include "pages/CuePropertyPage.h"
#include "pages/DataChunk.h"
#include "pages/IxmlPropertyPage.h"
#include "pages/KindChunk.h"
#include "pages/KindPages.h"
#include "pages/ListChunk.h"
#include "pages/NamedChunk.h"
#include "pages/Overview.h"
#include "pages/RiffChunk.h"
#include "pages/UnknownChunk.h"
#include "player/MediaPlayerControl.h"

CChunkRegistry g_chunkRegistry(RUNTIME_CLASS(CUnknownChunk));
CString g_strOverview;
BOOL g_bHasBext = FALSE;
// The pages of the kinds without a class of their own that show more than their fields.
const bool g_bKindPages = (RegisterKindPages({
                               {"cue ", {MakePage<CcuePropertyPage>, 150}},
                               {"iXML", {MakePage<CiXMLPropertyPage>, 151}},
                           }),
                           true);
const CKindPrototypes g_prototypes({
    RUNTIME_CLASS(CRiffChunk),
    RUNTIME_CLASS(CListChunk),
    RUNTIME_CLASS(CBEXTChunk),
    RUNTIME_CLASS(CMEXTChunk),
    RUNTIME_CLASS(CfmtChunk),
    RUNTIME_CLASS(CfactChunk),
    RUNTIME_CLASS(CdataChunk),
    RUNTIME_CLASS(CKindChunk),
    RUNTIME_CLASS(Cds64Chunk),
    RUNTIME_CLASS(CNamedChunk),
});

// The player control is installed with the program: windows create it by its class id.
const bool g_bPlayerRegistered =
    (AfxRegisterControl(MediaPlayerControl::kClassId, &MediaPlayerControl::Create), true);
