#pragma once
// ovalis-cli check: each file's findings, as text or one JSON document. A file with a finding
// of error severity counts as failed.

#include "cli/CommandLine.h"

int RunCheck(const Invocation& invocation);
