#pragma once
// ovalis-cli levels: each file's levels per channel, the correlation of its channel pairs, and
// with --md5 and --loudness those of the same read; as text, one JSON document or JSON lines.
// ovalis-cli levl --write: the levels' peak envelope stored in each file's levl chunk.

#include "cli/CommandLine.h"

int RunLevels(const Invocation& invocation);
int RunLevl(const Invocation& invocation);
