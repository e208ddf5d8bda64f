#pragma once
// One file of levels' JSON: "path" and either "error" or "frames", "rate", "channels" (per
// channel: peak, peak_dbfs, peak_frame, rms, rms_dbfs, dc_offset, clipped_runs, longest_clip,
// dropouts, longest_dropout, silences, silent_samples) and "pairs" (channels, correlation), with
// "md5" and "loudness" when they were asked.

#include <nlohmann/json.hpp>

#include "core/integrity/SamplePass.h"

nlohmann::json LevelsFileJson(const CString& strPath, const SamplePassResult& result,
                              const CString& strFailure);
