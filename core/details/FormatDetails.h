#pragma once
// Every format record's common fields, whatever its tag: the tag's name, and for the extensible
// format its valid bits, channel mask with speaker names and sub-format.

#include "core/details/DetailTable.h"
#include "core/fields/FormatRecord.h"

class CChunk;

// "IEEE float", "A-law"; a tag Ovalis has no name for gives "".
CString FormatTagName(WORD wTag);
enum class SpeakerForm { Names, Codes };
// The speakers of the mask's set bits in mask order, "Front Left, Front Right", or as codes,
// "FL FR"; bits past the named ones as "bit N".
CString SpeakerNames(DWORD dwMask, SpeakerForm form = SpeakerForm::Names);
// The name of a sub-format GUID given as its 16 stored bytes; "" when unknown.
CString SubFormatName(const Guid& guid);
// The GUID in its usual text form, "00000001-0000-0010-8000-00AA00389B71".
CString GuidText(const Guid& guid);
// The fmt chunk's fields as far as its record holds them.
DetailTable FormatDetails(const CChunk& chunk);
