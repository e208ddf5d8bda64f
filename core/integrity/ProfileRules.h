#pragma once
// The rules each archive profile adds to the general ones.

#include <span>

#include "core/integrity/CheckRule.h"

// The FADGI guidelines for Broadcast WAVE metadata: the bext fields they require or recommend
// and their forms, the INFO archival location and creation date, the MD5 chunk.
std::span<const check::CheckRule> FadgiRules();
// EBU R 98 (the coding history's grammar), R 99 (OriginatorReference as a unique source
// identifier) and the loudness fields of Tech 3285 version 2.
std::span<const check::CheckRule> EbuRules();
