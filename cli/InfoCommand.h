#pragma once
// ovalis-cli info: what the window shows of each file, as text or one JSON document.

#include "cli/CommandLine.h"

int RunInfo(const Invocation& invocation);
