#pragma once
// Dates and clock times as the broadcast extension and INFO lists store them.

#include <ctime>
#include <utility>

#include "core/base/Types.h"

// "yyyy-mm-dd" of a day the calendar has (the origination date's form; "yyyy:mm:dd" and the
// other separators that files use are taken too).
bool IsCalendarDate(const CString& strText);
// "hh:mm:ss" of a time the clock shows (00:00:00 to 23:59:59; "-", "_", "." and " " as
// separators too).
bool IsClockTime(const CString& strText);
// ISO 8601: "yyyy", "yyyy-mm" or "yyyy-mm-dd", optionally followed by "Thh:mm", seconds, and a
// "Z" or "+hh:mm" offset.
bool IsIsoDateTime(const CString& strText);
// The local date ("yyyy-mm-dd") and time ("hh:mm:ss") of a moment, as an origination date and
// time.
std::pair<CString, CString> LocalDateAndTime(std::time_t moment);
