#pragma once
// ovalis-cli markers: each file's markers listed, or edited and saved.

#include "cli/CommandLine.h"

int RunMarkers(const Invocation& invocation);
