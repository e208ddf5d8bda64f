#pragma once
// ovalis-cli recover: finishes the save of each file that was interrupted, as its journal
// allows: the old bytes put back, or the file kept as the save left it; a journal that is not
// this file's, or that the file no longer fits, is reported and left for the user.

#include "cli/CommandLine.h"

int RunRecover(const Invocation& invocation);
