#pragma once
// ovalis-cli set: values stored in the fields as the pages store them, each file saved over
// itself.

#include "cli/CommandLine.h"

int RunSet(const Invocation& invocation);

struct EditRules;
// The rules of an edit as the command line gives them (--add, --strict, --mirror).
EditRules EditRulesOf(const Invocation& invocation);
