#pragma once

#include <vector>

#include "pages/ChunkPage.h"
#include "pages/EditTable.h"

class CInfoList;

// The page of a LIST chunk: "LIST chunk", whatever it holds, and below it the list's type. An INFO
// list's entries are edited in a table (id, name, text): a text changed, an entry added by its id
// or removed; the first INFO list of a file only, the others shown as read.
class CLISTPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CLISTPropertyPage)
public:
    // Stores the entries whose text was changed, added or removed, each other entry's bytes as
    // read; a text the entry cannot take (ICRD: an ISO 8601 date) is said, naming the entry,
    // and that entry is left as it was.
    BOOL UpdateChunk() override;

protected:
    // Below the line, what Ovalis reads out of the chunk.
    BOOL OnInitDialog() override;
    void OnAddEntry();
    void OnRemoveEntry();

    DECLARE_MESSAGE_MAP()

private:
    bool IsEditedList() const;
    void ShowEntries();
    // Marks a refused text in its cell as soon as it is typed.
    void CheckTypedText(int nRow, int nColumn);
    void StoreEntries(CInfoList& list) const;

    std::vector<TableRow> m_shown;  // id, name, text
};
