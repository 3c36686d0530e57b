#include "diagram/PointOptions.h"

#include "diagram/DiagramSettings.h"
#include "diagram/MasterDiagram.h"
#include "framework/DataTable.h"

#include <algorithm>
#include <climits>

void TPointOptions::FillPointOptions(TDataTable& table)
{
    table.RequireFields({QStringLiteral("VarName"), QStringLiteral("OptionEnabled"), QStringLiteral("BitmapName")});
    const bool hasSubCommando = table.HasField(QStringLiteral("SubCommando"));
    const bool hasCurveOption = table.HasField(QStringLiteral("CurveOptionEnabled"));
    for (auto& p : d_.PointList)
        ApplyPointOption(*p, table, hasSubCommando, hasCurveOption);
    RemoveDisabledPoints();
    WidenXRange();
    d_.PointList.shrink_to_fit();
}

void TPointOptions::ApplyPointOption(TPointInfo& point, TDataTable& table, bool hasSubCommando, bool hasCurveOption)
{
    const bool found = table.Locate(QStringLiteral("VarName;OptionEnabled"), {point.VarName, true}) ||
                       table.Locate(QStringLiteral("VarName"), {point.VarName});
    if (!found) {
        point.OptionEnabled = false;
        return;
    }
    point.OptionEnabled = table.FieldByName(QStringLiteral("OptionEnabled")).toBool();
    if (hasSubCommando)
        point.SubCommando = table.FieldByName(QStringLiteral("SubCommando")).toInt();
    if (!point.OptionEnabled)
        return;
    point.CurveOptionEnabled = hasCurveOption && table.FieldByName(QStringLiteral("CurveOptionEnabled")).toBool();
    if (point.CurveOptionEnabled) {
        point.XEditable = false;
        point.YEditable = false;
    }
    const QString bitmapName = table.FieldByName(QStringLiteral("BitmapName")).toString();
    if (!bitmapName.isEmpty())
        point.Symbol.SymbolBitmap.LoadFromResourceName(bitmapName);
}

void TPointOptions::RemoveDisabledPoints()
{
    TPointInfoList& list = d_.PointList;
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        TPointInfo* gone = list[size_t(i)].get();
        if (gone->OptionEnabled)
            continue;
        const bool hadSymbol = gone->Symbol.SymbolType != vtNone;
        const int row = gone->Symbol.SymbolRow;
        if (d_.CurrentPoint == gone)
            d_.CurrentPoint = nullptr;
        if (d_.CurrentSymbolPoint == gone)
            d_.CurrentSymbolPoint = nullptr;
        list.erase(list.begin() + i);
        // Every remaining symbol below the removed one moves up, so the rows
        // stay within the bands the layout reserves.
        if (hadSymbol)
            for (auto& p : list)
                if (p->Symbol.SymbolType != vtNone && p->Symbol.SymbolRow > row)
                    --p->Symbol.SymbolRow;
    }
}

void TPointOptions::WidenXRange()
{
    TDiagramSettings& s = *d_.DiagramSettings();
    for (const auto& p : d_.PointList) {
        if (!p->Values.XValue)
            continue;
        const int64_t x = *p->Values.XValue;
        // The range grows in steps of 50 until it holds the value.
        if (x < s.MinXValue) {
            const int64_t steps = (s.MinXValue - x + 49) / 50;
            s.SetMinXValue(int(std::max<int64_t>(s.MinXValue - 50 * steps, INT_MIN)));
        }
        if (x > s.MaxXValue) {
            const int64_t steps = (x - s.MaxXValue + 49) / 50;
            s.SetMaxXValue(int(std::min<int64_t>(s.MaxXValue + 50 * steps, INT_MAX)));
        }
    }
}
