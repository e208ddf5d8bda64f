#pragma once
// A save as the window makes it: every chunk's page stores its values, then the tree is saved
// and the saved file read back.

#include <string>

#include "core/base/Types.h"

class CRiffChunk;
class CWnd;

namespace testfiles {

// Lets every chunk's page store its values into its chunk, as a save does; a page that does
// not exist yet is created under pParent.
void StorePageValues(CRiffChunk& root, CWnd* pParent);

// Lets the pages store their values (creating them under pParent), saves root to strSaved and
// loads that file. Empty when the save succeeded and the file read back holds every chunk root
// held, and storing the unedited pages changed no byte of any chunk; else what went wrong.
std::string DescribeSaveRoundTrip(CRiffChunk& root, const CString& strSaved, CWnd* pParent);

}  // namespace testfiles
