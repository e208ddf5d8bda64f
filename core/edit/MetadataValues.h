#pragma once
// The values of a file's metadata beyond the field tables' stored fields, by name, read and set
// the same way by every face: "TimeReference" (samples, or timecode at the file's rate),
// "UMID" (hexadecimal, or "generate"), "Version" of the bext chunk, "INFO:IARL" (an INFO
// entry by its id), "IXML:SCENE" (an iXML field, as IxmlFields names them), "AXML" (the ADM
// document as a whole, which exports leave out).

#include <optional>
#include <vector>

#include "core/chunks/RiffChunkModel.h"

struct FieldLayout;

struct EditRules {
    bool bAdd = false;     // a file lacking the value's chunk gets one
    bool bStrict = false;  // a text longer than its field is refused instead of cut
    bool bMirror = false;  // an iXML edit also sets the bext description's lines that mirror it
};

struct ValueOutcome {
    CString problem;  // why the value was refused; the tree is then as it was
    CString note;     // something the user should know of a value that was set (a cut text)
};

// Whether the name is one of the values above.
bool IsMetadataName(const CString& strName);
// The value as shown; nothing when the file does not hold it.
std::optional<CString> MetadataValue(const CRiffChunkModel& root, const CString& strName);
// Sets the value in the tree (adding its chunk where the rules allow).
ValueOutcome SetMetadataValue(CRiffChunkModel& root, const CString& strName,
                              const CString& strValue, const EditRules& rules);
// The names of the values the file holds, in the order an export lists them.
std::vector<CString> MetadataNamesOf(const CRiffChunkModel& root);
// Every editable value the file holds, by the name that sets it: the stored fields of the first
// chunk of each kind whose fields batch edits name, then the values above.
std::vector<std::pair<CString, CString>> EditableValuesOf(const CRiffChunkModel& root);

// The file's first bext chunk; when it has none and bAdd, a new one of version 0 before the
// samples; else null.
CChunk* BextChunkFor(CRiffChunkModel& root, bool bAdd);
// Raises the bext chunk's version to at least wVersion, first growing a payload shorter than the
// fixed part to its 602 bytes. False when the payload cannot be had.
bool RaiseBextVersion(CChunk& bext, WORD wVersion);
// A text that runs to the payload's end (the coding history) and is longer than the bytes there
// grows the payload to hold it. Empty, else why not: the payload cannot be had, or would be past
// the size a load holds.
CString GrowForText(CChunk& chunk, const FieldLayout& field, const CString& strTyped);
// Empty when the typed text fits its field; else what of it a save keeps ("300 bytes; the
// field holds 256: the first 256 are kept").
CString TextOverflow(const CChunk& chunk, const FieldLayout& field, const CString& strTyped);
