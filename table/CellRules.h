#pragma once
// The rules of a cell: a value is set by its name through the edit layer, as ovalis-cli set
// --add sets it (a file lacking the value's chunk gets one), and shown as the CLI lists it, but
// for the time reference, which shows as timecode at the file's rate.

#include <map>

#include "core/edit/MetadataValues.h"

// What a cell shows for each value the file holds, by name.
std::map<CString, CString> ShownValues(const CRiffChunkModel& root);
// Sets the value in the tree by the value rule (ValueRule.h): the outcome's problem says why a
// value was refused, its note what was cut and which derived values the edit left disagreeing.
ValueOutcome SetCellValue(CRiffChunkModel& root, const CString& strName, const CString& strValue);
// The rules the table's edits follow, the same that ovalis-cli set takes from --add.
EditRules TableEditRules();
