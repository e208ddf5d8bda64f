#pragma once
// info's JSON form of one file. Member names: path, error (only when the file did not load),
// overview, chunks; each chunk: tab, id, size, offset and, for the field pages, fields.

#include <QJsonObject>

#include "cli/FileReport.h"

QJsonObject InfoJson(const FileReport& report);
