#include "table/RowOrder.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

constexpr qint64 kClean = 0;
constexpr qint64 kStopped = 1;
constexpr qint64 kNotChecked = 2;
// Each severity's count has 20 bits of the rank: a million findings of one kind still rank below
// one of the next worse kind.
constexpr int kCountBits = 20;
constexpr qint64 kMostCounted = (qint64{1} << kCountBits) - 1;

int ShiftOf(const QString& strSeverity) {
    return strSeverity == QLatin1String("error")     ? 2 * kCountBits
           : strSeverity == QLatin1String("warning") ? kCountBits
                                                     : 0;
}

// The digits of a run without their leading zeros.
QStringView Digits(QStringView text, qsizetype& rAt) {
    const qsizetype nFrom = rAt;
    while (rAt < text.size() && text[rAt].isDigit()) {
        ++rAt;
    }
    QStringView digits = text.sliced(nFrom, rAt - nFrom);
    while (digits.size() > 1 && digits.front() == u'0') {
        digits = digits.sliced(1);
    }
    return digits;
}

// Runs of digits compare by their value and letters without their case, whatever the locale:
// "take2" before "Take10".
int NaturalCompare(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView digitsA = Digits(a, i);
            const QStringView digitsB = Digits(b, j);
            if (digitsA.size() != digitsB.size()) {
                return digitsA.size() < digitsB.size() ? -1 : 1;
            }
            if (const int nOrder = digitsA.compare(digitsB); nOrder != 0) {
                return nOrder;
            }
            continue;
        }
        const char32_t cA = a[i++].toCaseFolded().unicode();
        const char32_t cB = b[j++].toCaseFolded().unicode();
        if (cA != cB) {
            return cA < cB ? -1 : 1;
        }
    }
    return static_cast<int>((a.size() - i) - (b.size() - j));
}

std::optional<double> NumberIn(const QString& strText) {
    bool bNumber = false;
    const double dValue = QLocale::c().toDouble(strText.trimmed(), &bNumber);
    return bNumber ? std::optional(dValue) : std::nullopt;
}

}  // namespace

qint64 CheckRank(const CString& strSummary) {
    if (strSummary.empty()) {
        return kNotChecked;
    }
    if (strSummary == "clean") {
        return kClean;
    }
    static const QRegularExpression count(QStringLiteral("(\\d+) (error|warning|note)s?\\b"));
    qint64 nWeight = 0;
    for (auto it = count.globalMatch(QString::fromStdString(strSummary)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        bool bSmall = false;
        const qint64 nCount = match.captured(1).toLongLong(&bSmall);
        nWeight += std::min(bSmall ? nCount : kMostCounted, kMostCounted)
                   << ShiftOf(match.captured(2));
    }
    // The worst first: the rank falls as the findings weigh more.
    return nWeight > 0 ? -nWeight : kStopped;
}

bool SortsBefore(const QVariant& a, const QVariant& b) {
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong) {
        return a.toLongLong() < b.toLongLong();
    }
    const QString strA = a.toString();
    const QString strB = b.toString();
    if (strA.isEmpty() || strB.isEmpty()) {
        return strB.isEmpty() && !strA.isEmpty();
    }
    const auto numberA = NumberIn(strA);
    const auto numberB = NumberIn(strB);
    if (numberA && numberB) {
        return *numberA < *numberB;
    }
    if (numberA.has_value() != numberB.has_value()) {
        return numberA.has_value();
    }
    return NaturalCompare(strA, strB) < 0;
}
