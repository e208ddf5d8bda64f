#pragma once
// Texts shown on one line between double quotes, line breaks and other control characters
// escaped, so that a value with a line break or a trailing space reads as it is.

#include "core/base/Types.h"

CString QuotedText(const CString& strText);
