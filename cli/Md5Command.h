#pragma once
// ovalis-cli md5: the MD5 of each file's samples, as md5sum prints it; --verify compares it with
// the stored checksum, --embed stores it in the file.

#include "cli/CommandLine.h"

int RunMd5(const Invocation& invocation);
