#include "app/FormatTenths.h"

#include <cstdint>

QString FormatTenths(int value)
{
    // Integer arithmetic: a tenth is exact here, so no rounding or locale can
    // change the digits. 64 bits keep the magnitude of INT_MIN representable.
    const int64_t v = value;
    const int64_t magnitude = v < 0 ? -v : v;
    const QString digits = QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
    return v < 0 ? QLatin1Char('-') + digits : digits;
}
