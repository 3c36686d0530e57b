#include "scale/ScaleLabels.h"

namespace ScaleLabels {

namespace {

// An hour or minute count as the "00" pattern writes it: at least two digits,
// a minus sign in front of them.
QString TwoDigits(int64_t v)
{
    const QString digits = QStringLiteral("%1").arg(v < 0 ? -v : v, 2, 10, QLatin1Char('0'));
    return v < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString Tenths(int64_t tenths)
{
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    const QString digits = QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
    return tenths < 0 ? QLatin1Char('-') + digits : digits;
}

int64_t HundredthsToTenths(int64_t hundredths)
{
    return hundredths < 0 ? -((-hundredths + 5) / 10) : (hundredths + 5) / 10;
}

QString Hundredths(int value)
{
    return QString::number(value / 100.0, 'f', 2);
}

QString DecimalComma(int64_t value, int decimals)
{
    if (decimals <= 0)
        return QString::number(value);
    QString digits = QString::number(value < 0 ? -value : value).rightJustified(decimals, QLatin1Char('0'));
    digits.insert(digits.size() - decimals, QLatin1Char(','));
    if (digits.startsWith(QLatin1Char(',')))
        digits.prepend(QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString IntegerPart(int64_t value, int decimals)
{
    QString text = DecimalComma(value, decimals);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        text.truncate(comma);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString HourMinute(int64_t minutes)
{
    return TwoDigits(minutes / 60) + QLatin1Char(':') + TwoDigits(minutes % 60);
}

} // namespace ScaleLabels
