#include "graph/GraphScale.h"

#include <cmath>
#include <cstdint>

namespace GraphScale {

namespace {

constexpr double kWidest = 300000;

int64_t Trunc(double v)
{
    constexpr double limit = 9.0e18;
    return int64_t(std::trunc(std::fmax(-limit, std::fmin(limit, v))));
}

// How many labels of `label` pixels fit into `pixels` at the widest step.
double LabelCount(double pixels, double span, double label)
{
    return std::floor(pixels / span * kWidest / label + 0.5);
}

// Halves `step` while the doubled count of labels still stays below n.
double HalveWhileRoom(double step, double n)
{
    for (double count = 1; count < n;) {
        count *= 2;
        if (count < n)
            step /= 2;
    }
    return step;
}

int Digits(int64_t v)
{
    if (v == 0)
        return 1;
    return int(Trunc(std::floor(std::log10(double(v)) + 0.5) + 1));
}

// Classic rounding for labels: halves away from zero, no negative zero.
QString Fixed(double v, int decimals)
{
    const double scale = decimals == 0 ? 1 : 10;
    double r = std::round(v * scale) / scale;
    if (r == 0)
        r = 0;
    return QString::number(r, 'f', decimals);
}

// An hour or minute count as the "00" pattern writes it: at least two
// digits, a minus sign in front of them.
QString TwoDigits(int64_t v)
{
    const QString digits = QStringLiteral("%1").arg(v < 0 ? -v : v, 2, 10, QLatin1Char('0'));
    return v < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

double ValueStep(double pixels, double span, int label)
{
    const double n = LabelCount(pixels, span, label);
    double step = kWidest;
    int factor = 2;
    for (double count = 1; count < n;) {
        count *= factor;
        if (count < n)
            step /= factor;
        factor = factor == 2 ? 5 : 2;
    }
    return step < 1 ? 1 : step;
}

double FirstValue(double min, double step)
{
    const double q = min / step;
    const double whole = double(Trunc(q)) * step;
    return q > 0 ? whole + step : whole - step;
}

int MinuteStep(double pixels, double span, double label)
{
    const double n = std::floor(pixels / span * 1440 / label + 0.5);
    struct Row { double upTo; int step; };
    static constexpr Row table[] = {{2, 1440}, {3, 720}, {4, 480}, {6, 360}, {8, 240}, {12, 180}, {24, 120},
                                    {48, 60}, {144, 30}, {288, 10}, {360, 5}, {720, 4}, {1200, 2}};
    for (const Row& row : table)
        if (n <= row.upTo)
            return row.step;
    return 1;
}

double DayStep(double pixels, double span, double label, int unit)
{
    double step = HalveWhileRoom(double(Trunc(kWidest / unit) * unit), LabelCount(pixels, span, label));
    step = double(Trunc(step) / unit * unit);
    return step < unit ? unit : step;
}

double NumberStep(double pixels, double span, double label)
{
    const double step = double(Trunc(HalveWhileRoom(kWidest, LabelCount(pixels, span, label))));
    return step < 1 ? 1 : step;
}

QString XTemplate(TAxisType type, double xMin, double xMax)
{
    switch (type) {
    case atMinutes:
    case atHours: return QStringLiteral("88:88");
    case atDaysWeek:
    case atDaysMonth: return QStringLiteral("88888");
    default: break;
    }
    const int64_t a = std::abs(Trunc(xMin)), b = std::abs(Trunc(xMax));
    return QString(Digits(std::max(a, b)), QLatin1Char('8'));
}

int GapDivisor(TAxisType type)
{
    switch (type) {
    case atNumber:
    case atUndefined: return 0;
    case atMinutes: return 60;
    case atHours: return 1;
    case atDaysWeek: return 7;
    case atDaysMonth: return 28;
    }
    return 1;
}

QString FormatTextString(TAxisType type, long double x)
{
    switch (type) {
    case atNumber:
    case atHours: return QString::number(Trunc(double(x)));
    case atMinutes: {
        const int64_t m = Trunc(double(x + 0.5L));
        return TwoDigits(m / 60) + QLatin1Char(':') + TwoDigits(m % 60);
    }
    case atDaysWeek:
    case atDaysMonth: {
        const int64_t d = Trunc(double(x));
        return Fixed(double(d % 7 + (d / 7) * 10) * 0.1, 1);
    }
    default: return QStringLiteral("Error");
    }
}

QString ValueLabel(double v, bool tenths)
{
    return tenths ? Fixed(v / 10, 1) : Fixed(v, 0);
}

} // namespace GraphScale
