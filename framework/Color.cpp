#include "framework/Color.h"

#include <array>

namespace {

struct NamedColor {
    TColor value;
    const char* name;
};

constexpr std::array kNamed{
    NamedColor{clBlack, "clBlack"},       NamedColor{clMaroon, "clMaroon"},
    NamedColor{clGreen, "clGreen"},       NamedColor{clOlive, "clOlive"},
    NamedColor{clNavy, "clNavy"},         NamedColor{clPurple, "clPurple"},
    NamedColor{clTeal, "clTeal"},         NamedColor{clGray, "clGray"},
    NamedColor{clSilver, "clSilver"},     NamedColor{clRed, "clRed"},
    NamedColor{clLime, "clLime"},         NamedColor{clYellow, "clYellow"},
    NamedColor{clBlue, "clBlue"},         NamedColor{clFuchsia, "clFuchsia"},
    NamedColor{clAqua, "clAqua"},         NamedColor{clWhite, "clWhite"},
    NamedColor{clScrollBar, "clScrollBar"}, NamedColor{clBackground, "clBackground"},
    NamedColor{clWindow, "clWindow"},     NamedColor{clWindowText, "clWindowText"},
    NamedColor{clHighlight, "clHighlight"}, NamedColor{clHighlightText, "clHighlightText"},
    NamedColor{clBtnFace, "clBtnFace"},   NamedColor{clBtnShadow, "clBtnShadow"},
    NamedColor{clGrayText, "clGrayText"}, NamedColor{clBtnText, "clBtnText"},
    NamedColor{clBtnHighlight, "clBtnHighlight"}, NamedColor{cl3DDkShadow, "cl3DDkShadow"},
    NamedColor{cl3DLight, "cl3DLight"},   NamedColor{clInfoText, "clInfoText"},
    NamedColor{clInfoBk, "clInfoBk"},     NamedColor{clNone, "clNone"},
    NamedColor{clDefault, "clDefault"},
};

// The one table of system colours: a fixed, light desktop scheme so that
// every machine draws the same pixels.
TColor SystemColor(int index)
{
    switch (index) {
    case 0: return 0xC8C8C8;  // scroll bar
    case 1: return 0x000000;  // desktop
    case 5: return 0xFFFFFF;  // window
    case 8: return 0x000000;  // window text
    case 13: return 0xD77800; // highlight
    case 14: return 0xFFFFFF; // highlight text
    case 15: return 0xF0F0F0; // button face
    case 16: return 0xA0A0A0; // button shadow
    case 17: return 0x6D6D6D; // grey text
    case 18: return 0x000000; // button text
    case 20: return 0xFFFFFF; // button highlight
    case 21: return 0x696969; // 3D dark shadow
    case 22: return 0xE3E3E3; // 3D light
    case 23: return 0x000000; // info text
    case 24: return 0xE1FFFF; // info background
    default: return 0x000000;
    }
}

} // namespace

QList<TColor> NamedColors()
{
    QList<TColor> colors;
    colors.reserve(qsizetype(kNamed.size()));
    for (const NamedColor& named : kNamed)
        colors.append(named.value);
    return colors;
}

TColor ColorToRGB(TColor color)
{
    if ((color & clSystemColor) == clSystemColor)
        return SystemColor(color & 0xFF);
    if (color == clNone || color == clDefault)
        return clBlack;
    return color & 0xFFFFFF;
}

QColor ColorToQColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QColorToColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QString ColorToString(TColor color)
{
    for (const auto& n : kNamed)
        if (n.value == color)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(uint32_t(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text)
{
    const QString t = text.trimmed();
    for (const auto& n : kNamed)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > UINT32_MAX)
        return std::nullopt;
    return TColor(uint32_t(v));
}
