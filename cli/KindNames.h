#pragma once
// The help's words that name chunk kinds, made from the list of kinds: a help text holds
// {field kinds}, {detail kinds}, {marker kinds} or {new chunks} where such a list goes.

#include "core/base/Types.h"

// The help text with each of those marks replaced by the kinds' names.
CString WithKindNames(const CString& strHelp);
