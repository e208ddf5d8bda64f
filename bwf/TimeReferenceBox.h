#pragma once
// The bext page's editable time reference: shown as timecode at the file's rate (as a sample
// count when the file gives no sample rate); a typed timecode or sample count replaces the time
// reference when the page is saved. The hexadecimal boxes of the two halves stay shown only.

#include <optional>

#include "core/base/Types.h"

class CChunk;
class CWnd;

inline constexpr int IDC_TIME_REFERENCE_EDIT = 1102;

class CTimeReferenceBox {
public:
    void Show(CWnd& page, const CChunk* pBext);
    // Stores a changed text; one that is neither timecode nor a sample count is said, naming
    // the field, and leaves the bytes as they were.
    void Store(const CWnd& page, CChunk* pBext) const;

private:
    std::optional<CString> m_shown;  // nothing while the payload does not hold the field
};
