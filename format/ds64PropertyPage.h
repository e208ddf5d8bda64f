#pragma once
// The page of a ds64 chunk: its 64-bit sizes and the table of other chunks' sizes, shown only,
// since a save writes the sizes it wrote.

#include "pages/ChunkPage.h"

class Cds64PropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(Cds64PropertyPage)
protected:
    BOOL OnInitDialog() override;
};
