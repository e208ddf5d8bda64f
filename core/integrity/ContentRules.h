#pragma once
// The rules that weigh what a chunk says against what the file holds: a fact length against the
// samples, a compressed ADM document that cannot be read, Dolby metadata whose checksums
// disagree, a second adtl list, cue points whose two positions differ.

#include <span>

#include "core/integrity/CheckRule.h"

std::span<const check::CheckRule> ContentRules();
