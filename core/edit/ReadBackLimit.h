#pragma once
// The limits of what a load reads back, as an edit checks them: a value whose result lies past
// one would be saved and then never shown or edited again, as if it were lost.

#include <cstddef>

#include "core/base/Types.h"

// Empty when an XML document of nBytes is parsed; else why the value is refused, such as "the
// iXML document would be 31457280 bytes, past the 16 MiB Ovalis reads".
CString XmlDocumentSizeProblem(const CString& strDocument, std::size_t nBytes);
// Empty when a load holds a payload of nBytes (larger ones stay in the file unread); else why the
// value is refused.
CString HeldPayloadSizeProblem(const CString& strChunk, std::size_t nBytes);
