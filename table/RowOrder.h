#pragma once
// The order the table's rows sort in: the Check column by severity (errors, then warnings, then
// notes, the most of each first; then clean files, stopped checks and files not checked), cells
// holding numbers by their value, other text as people read it ("take2" before "take10"), and
// empty cells after the others.

#include <QVariant>

#include "core/base/Types.h"

// The rank of a check summary as CheckSummary words it ("2 errors, 1 note", "clean"; empty
// before a check); a lower rank sorts first.
qint64 CheckRank(const CString& strSummary);
// Whether the cell whose sort value is a goes before the one whose sort value is b.
bool SortsBefore(const QVariant& a, const QVariant& b);
