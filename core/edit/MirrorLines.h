#pragma once
// The lines of a broadcast extension description that mirror a recorder's iXML fields
// ("sSCENE=12", "zTAKE=3", "TAPE=Day1"): a letter of the recorder's own, the field's name, "=",
// the value, one a line.

#include "core/base/Types.h"

// The iXML fields recorders mirror: PROJECT, SCENE, TAKE, TAPE, CIRCLED, NOTE.
bool IsMirroredField(const CString& strName);
// The description with the value of every line mirroring the field replaced; lines that do not
// mirror it, and the line breaks, as they were.
CString WithMirrorLines(const CString& strDescription, const CString& strName,
                        const CString& strValue);
