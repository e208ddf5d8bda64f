#include "app/OverviewOfLoad.h"

#include "core/chunks/OverviewText.h"
#include "core/chunks/RiffChunkModel.h"
#include "pages/Overview.h"

void SetOverviewOfLoad(const CRiffChunkModel& root) {
    g_bHasBext = HasBextChunk(root) ? TRUE : FALSE;
    if (!root.LoadOverview().empty()) {
        g_strOverview = root.LoadOverview();
    }
}
