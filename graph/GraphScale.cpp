#include "graph/GraphScale.h"

#include "scale/ScaleLabels.h"
#include "scale/ScaleSteps.h"

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

} // namespace

double ValueStep(double pixels, double span, int label)
{
    const double step = ScaleSteps::OneTwoFive(kWidest, ScaleSteps::LabelCount(pixels, span, kWidest, label));
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
    return ScaleSteps::Minutes(ScaleSteps::LabelCount(pixels, span, 1440, label));
}

double DayStep(double pixels, double span, double label, int unit)
{
    return ScaleSteps::Days(kWidest, ScaleSteps::LabelCount(pixels, span, kWidest, label), unit);
}

double NumberStep(double pixels, double span, double label)
{
    const double step = double(Trunc(ScaleSteps::Halving(kWidest, ScaleSteps::LabelCount(pixels, span, kWidest, label))));
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
        return ScaleLabels::HourMinute(Trunc(double(x + 0.5L)));
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
