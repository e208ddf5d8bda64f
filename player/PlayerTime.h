#pragma once
// The player's times: "m:ss" for a file under an hour, "h:mm:ss" for a longer one, the position
// in the style of the duration so that the two line up.

#include <QString>

QString PlayerTimeText(qint64 ms, qint64 msDuration);
