#pragma once
// A value stored in its field of every chunk whose field table has it, as the pages store it: a
// bext field of a later version raises the chunk's version, a longer text to the end grows its
// chunk, a date or time field takes only a date or a time.

#include <functional>
#include <vector>

#include "core/chunks/ChunkFieldTable.h"
#include "core/edit/MetadataValues.h"
#include "core/kinds/ChunkFields.h"

// Told of each chunk before the value is stored in it.
using BeforeFieldStore = std::function<void(const CChunk& chunk, const FieldTable& table)>;

// Empty when each chunk with the field took the value, else why not (the tree may then hold the
// value in the chunks before the one that refused it). A text cut to its field adds a note.
CString StoreFieldValue(CRiffChunkModel& root, const CString& strName, const CString& strValue,
                        const EditRules& rules, std::vector<CString>& rNotes,
                        const BeforeFieldStore& before = {});
