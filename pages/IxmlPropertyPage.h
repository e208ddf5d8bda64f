#pragma once

#include "pages/ChunkPage.h"

// The page of an iXML chunk: its main fields, its tracks and the whole document, read-only.
class CiXMLPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CiXMLPropertyPage)
protected:
    BOOL OnInitDialog() override;
};
