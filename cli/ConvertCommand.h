#pragma once
// ovalis-cli convert --riff: RF64 and BW64 files that fit in 4 GiB made RIFF files again.

#include "cli/CommandLine.h"

int RunConvert(const Invocation& invocation);
