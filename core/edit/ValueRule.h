#pragma once
// The one rule by which a value typed for a file is taken: stored, refused with the reason, or
// cut with what was cut. ovalis-cli set, the table's cells and the window's question before a
// save all ask it, so that the three give one answer for one value.

#include <vector>

#include "core/edit/MetadataValues.h"
#include "core/edit/StoredFieldEdit.h"

enum class ValueVerdict { Stored, Refused, Cut };

struct ValueAnswer {
    ValueVerdict verdict = ValueVerdict::Stored;
    // Refused: why ("OriginationDate=2018-02-30: not a calendar date (yyyy-mm-dd)"); cut: what
    // of the value the field keeps ("Originator: 40 bytes; the field holds 32, ...").
    CString reason;
};

// What the field's rule says of a text typed for it in the chunk, without storing it: a date or
// time field takes a date or a time, a number field a positive integer (one larger than its
// bytes hold is cut to its low bytes), a text longer than its field is cut. A text the field
// shows already is stored as it is, whatever it holds.
ValueAnswer FieldRuleAnswer(const CChunk& chunk, const FieldLayout& field, const CString& strTyped);

// Sets the file's value of that name (a field of the field tables, or one of MetadataValues),
// adding its chunk where the rules allow. A cut under rules.bStrict is refused; a refused value
// leaves the tree as it was, but for the chunks before the one that refused it.
ValueAnswer SetValue(CRiffChunkModel& root, const CString& strName, const CString& strText,
                     const EditRules& rules, const BeforeFieldStore& before = {});
