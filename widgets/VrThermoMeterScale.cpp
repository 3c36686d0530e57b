#include "widgets/VrThermoMeterScale.h"

#include "framework/Notify.h"

#include <cmath>

namespace {

constexpr int kPrecision = 8;

// Fixed notation as the classic float formatting gives it: the number is
// first rounded to kPrecision significant digits; numbers with more integer
// digits than that fall back to scientific notation.
QString FixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NAN") : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    if (std::fabs(value) >= std::pow(10.0, kPrecision))
        return QString::number(value, 'E', kPrecision - 1);
    const double rounded = QString::number(value, 'g', kPrecision).toDouble();
    QString text = QString::number(rounded, 'f', std::clamp(decimals, 0, 18));
    // Rounding a small negative number to zero digits leaves no minus sign.
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

} // namespace

TvrThermoMeterScale::TvrThermoMeterScale(QObject* parent) : QObject(parent) {}

template <class T> void TvrThermoMeterScale::Store(T& field, const T& value, void (TvrThermoMeterScale::*changed)())
{
    SetAndNotify(this, changed, field, value, [this] { emit OnChange(this); });
}

void TvrThermoMeterScale::SetColor(TColor value)
{
    Store(color_, value, &TvrThermoMeterScale::ColorChanged);
}
void TvrThermoMeterScale::SetDecimals(int value)
{
    Store(decimals_, value, &TvrThermoMeterScale::DecimalsChanged);
}
void TvrThermoMeterScale::SetFormatText(const QString& value)
{
    Store(formatText_, value, &TvrThermoMeterScale::FormatTextChanged);
}

void TvrThermoMeterScale::SetScaleType(TVrScaleType value)
{
    if (value == voLogarithmic && (max_ < 0 || min_ < 0))
        return;
    Store(scaleType_, value, &TvrThermoMeterScale::ScaleTypeChanged);
}

void TvrThermoMeterScale::SetMax(double value)
{
    if (scaleType_ == voLogarithmic && value < 0)
        return;
    Store(max_, value, &TvrThermoMeterScale::MaxChanged);
}

void TvrThermoMeterScale::SetMin(double value)
{
    if (scaleType_ == voLogarithmic && value < 0)
        return;
    Store(min_, value, &TvrThermoMeterScale::MinChanged);
}

void TvrThermoMeterScale::SetPosition(TVrPosition value)
{
    Store(position_, value, &TvrThermoMeterScale::PositionChanged);
}
void TvrThermoMeterScale::SetOffset(int value)
{
    Store(offset_, value, &TvrThermoMeterScale::OffsetChanged);
}
void TvrThermoMeterScale::SetStep(double value)
{
    Store(step_, value, &TvrThermoMeterScale::StepChanged);
}
void TvrThermoMeterScale::SetSmallStep(double value)
{
    Store(smallStep_, value, &TvrThermoMeterScale::SmallStepChanged);
}
void TvrThermoMeterScale::SetHeightMax(int value)
{
    Store(heightMax_, value, &TvrThermoMeterScale::HeightMaxChanged);
}
void TvrThermoMeterScale::SetHeightMin(int value)
{
    Store(heightMin_, value, &TvrThermoMeterScale::HeightMinChanged);
}
void TvrThermoMeterScale::SetVisible(bool value)
{
    Store(visible_, value, &TvrThermoMeterScale::VisibleChanged);
}

QString TvrThermoMeterScale::LabelText(double value) const
{
    // Only the first "%s" takes the number; "%%" stands for a percent sign.
    QString result;
    bool numberPlaced = false;
    for (qsizetype i = 0; i < formatText_.size(); ++i) {
        const QChar ch = formatText_[i];
        const QChar next = i + 1 < formatText_.size() ? formatText_[i + 1] : QChar();
        if (ch == QLatin1Char('%') && next == QLatin1Char('%')) {
            result += QLatin1Char('%');
            ++i;
        } else if (ch == QLatin1Char('%') && next == QLatin1Char('s') && !numberPlaced) {
            result += FixedText(value, decimals_);
            numberPlaced = true;
            ++i;
        } else {
            result += ch;
        }
    }
    return result;
}
