#pragma once
// Before a save: the pages store what is typed, but the values that the value rule refuses or
// would cut, and the derived values that typed numbers would leave disagreeing, are named in one
// question, Save as typed or Go back.

#include <vector>

#include "core/base/Types.h"

class CRiffChunkModel;

// What a save of the values typed on the file's pages would meet, in file order (see
// TypedValueProblems); empty when nothing is to be asked.
std::vector<CString> TypedValueProblemsOf(CRiffChunkModel& root);
// The question that names them.
CString SaveAsTypedQuestion(const std::vector<CString>& problems);
// Whether the save goes on: nothing to ask, or the user chose Save as typed.
bool ConfirmSaveAsTyped(CRiffChunkModel& root);
