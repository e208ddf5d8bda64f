#pragma once
// The read-only box below a page's line that shows what Ovalis reads out of the chunk: its
// detail tables, and for a chunk without fields its bytes.

#include "core/base/Types.h"

class CChunk;
class CWnd;

// The id of that box in every template that has one.
inline constexpr int IDC_CHUNK_DETAILS = 1100;

enum class DetailsWrap { None, AtBoxEdge };
// Puts the text into the page's box, in a fixed-width font so that columns line up. Lines stay
// whole (a hex view, a table, a document) and the box, the one scroll area of its text, scrolls
// across to them, unless they are wrapped at the box's edge (a long list of speakers). The box
// stays inside its page, so that none of its text or scroll bars lies beyond the page's edge.
void ShowDetailsText(CWnd& page, const CString& strText, DetailsWrap wrap = DetailsWrap::None);
// The chunk's detail tables, then its bytes when bBytes.
CString ChunkDetailsText(const CChunk* pChunk, bool bBytes);
