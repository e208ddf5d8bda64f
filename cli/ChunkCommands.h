#pragma once
// ovalis-cli add and remove: a whole chunk added to or taken out of each file, which is then
// saved over itself.

#include "cli/CommandLine.h"

int RunAdd(const Invocation& invocation);
int RunRemove(const Invocation& invocation);
