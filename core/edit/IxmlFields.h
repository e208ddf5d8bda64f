#pragma once
// The main fields of an iXML document set one by one: only the bytes of the edited element's
// content change; a missing element is added after its last sibling with that sibling's
// indentation. Names: "SCENE", "SPEED.TIMECODE_RATE", "TRACK2.NAME" (the track whose
// CHANNEL_INDEX is 2).

#include <optional>
#include <vector>

#include "core/base/Types.h"

struct IxmlEdit {
    CString document;  // the document with the edit
    CString problem;   // why it could not be made; then document is empty
};

// Whether the name is one of the fields set one by one.
bool IsIxmlField(const CString& strName);
// The fields the document names, in a listing's order: the main ones, the SPEED block's and
// each track's name and function.
std::vector<CString> IxmlFieldsOf(const CString& strDocument);
// The same fields with their texts (as IxmlFieldText gives them), from one parse of the document.
std::vector<std::pair<CString, CString>> IxmlFieldValuesOf(const CString& strDocument);
// The fields every document may take (the track fields of track 1 stand for all).
std::vector<CString> IxmlFieldNamesForHelp();
// The field's text (entities resolved); nothing when the document lacks the element or is not
// well formed.
std::optional<CString> IxmlFieldText(const CString& strDocument, const CString& strName);
// The document with the field's content replaced by the text (escaped as XML needs).
IxmlEdit SetIxmlField(const CString& strDocument, const CString& strName, const CString& strText);
// A document holding no field yet, for a file without an iXML chunk.
CString NewIxmlDocument();
