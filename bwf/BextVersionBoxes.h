#pragma once
// The boxes below the broadcast extension page's first fields that show what later versions of
// the chunk added: the UMID from version 1 (shown only, and empty before) and the five loudness
// levels from version 2, editable as numbers with two decimals. The level rows that the chunk's
// version or payload does not have are hidden; a level is stored only when its text was changed.

#include <map>

#include "core/base/Types.h"

class CChunk;
class CDialog;

class CBextVersionBoxes {
public:
    void Show(CDialog& page, const CChunk* pChunk);
    // Shows the UMID the chunk holds now (a new one), leaving the other boxes as typed.
    void ShowUmid(CDialog& page, const CChunk& chunk);
    // Stores every changed level through its field; a refused text is said, naming its field,
    // and leaves the field's bytes as they were.
    void Store(CDialog& page, CChunk* pChunk) const;

    struct BoxRow;

private:
    void ShowOne(CDialog& page, const BoxRow& row, const CChunk* pChunk);
    std::map<int, CString> m_shown;  // by box id, the boxes shown
};
