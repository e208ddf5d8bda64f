#pragma once
// ovalis-cli set: values typed into the pages' boxes, each file saved over itself.

#include "cli/CommandLine.h"

int RunSet(const Invocation& invocation);
