#include "player/PlayerTime.h"

#include <algorithm>

namespace {

constexpr qint64 kSecondsPerHour = 3600;

QString TwoDigits(qint64 n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString PlayerTimeText(qint64 ms, qint64 msDuration) {
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    if (msDuration / 1000 < kSecondsPerHour) {
        return QString::number(seconds / 60) + ':' + TwoDigits(seconds % 60);
    }
    return QString::number(seconds / kSecondsPerHour) + ':' + TwoDigits(seconds / 60 % 60) + ':' +
           TwoDigits(seconds % 60);
}
