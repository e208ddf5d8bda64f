#pragma once
// --jsonl: one JSON object per file on a line of its own, written out as soon as the file is
// done, so that a tool reading the output of a long batch gets each file when it is ready.

#include <nlohmann/json.hpp>

// The object on one line; bytes that are not UTF-8 show as U+FFFD.
void PrintJsonLine(const nlohmann::json& json);
