#pragma once
// gzip streams inflated through the one compression library Ovalis links.

#include <optional>

#include "core/base/Types.h"

// The bytes the stream holds, up to a limit that no document Ovalis reads exceeds; nothing, with
// why in rError, for a damaged stream or one that inflates past the limit.
std::optional<CString> InflateGzip(const CString& strStream, CString& rError);
// The bytes as a gzip stream; nothing when the library fails.
std::optional<CString> DeflateGzip(const CString& strBytes);
