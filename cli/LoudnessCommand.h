#pragma once
// ovalis-cli loudness: each file's integrated loudness, loudness range, true peak and largest
// momentary and short-term loudness; --write stores them in the file's bext chunk.

#include "cli/CommandLine.h"

int RunLoudness(const Invocation& invocation);
