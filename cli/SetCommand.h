#pragma once
// ovalis-cli set: values stored in the fields as the pages store them, each file saved over
// itself.

#include "cli/CommandLine.h"

int RunSet(const Invocation& invocation);
