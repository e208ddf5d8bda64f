#pragma once
// The page of a fact chunk: dwSampleLength, the first four bytes of the data, editable.

#include <array>

#include "pages/ChunkPage.h"
#include "pages/NumberField.h"

class CfactPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CfactPropertyPage)
public:
    BOOL UpdateChunk() override;
    std::vector<TypedValue> TypedValues() override;

    DWORD m_dwSampleLength = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::array<NumberField, 1> Fields();
};
