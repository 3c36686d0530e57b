#include "gallery/SaxelPage.h"

#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramButton.h"
#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"
#include "diagram/Setpoints.h"
#include "framework/ComponentRegistry.h"
#include "gallery/GrowthCurve.h"
#include "gallery/TrendDay.h"
#include "gallery/TrendLive.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"
#include "widgets/KivSpinButton.h"
#include "widgets/TimerSpeedButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

namespace {

// A counter the buttons of a section step, to show what they raise.
QLabel* CounterLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

TSaxelPage::TSaxelPage(QWidget* parent) : TGalleryPage(PalettePage::Saxel, parent, 1)
{
    AddVentDiagram();
    AddCurveDiagram();
    AddTrendGraph();
    AddSpinButton();
    AddTimerSpeedButton();
    AddDiagramButton();
    // Last on the page, so that the sections above keep their places.
    AddLiveTrendGraph();
}

void TSaxelPage::AddVentDiagram()
{
    auto* diagram = new TLvdVentDiagram(this);
    diagram->SetBounds(0, 0, 489, 297);
    diagram->DiagramSettings()->SetShowPointValues(true);
    diagram->DiagramSettings()->SetShowSymbols(true);
    diagram->DiagramSettings()->SetMaxXValue(500);
    diagram->DiagramSettings()->SetMaxYValue(100);
    TSetpoints* setpoints = diagram->Setpoints();
    setpoints->SetMinAlarm(100);
    setpoints->SetMaxAlarm(360);
    setpoints->SetBandbreedte(60);
    setpoints->SetStreefTemp(185);
    setpoints->SetVerwarmVerschil(30);
    diagram->SetGemetenTemperatuur(203);
    AddSection(diagram, {"GemetenTemperatuur", "VentilatieStand", "OptieVentilatie", "OptieKoeling",
                         "Setpoints.StreefTemp", "Setpoints.Bandbreedte", "Setpoints.VerwarmVerschil",
                         "Setpoints.MinPositie", "Setpoints.MaxPositie", "Setpoints.MinAlarm", "Setpoints.MaxAlarm",
                         "DiagramSettings.ShowGrid", "DiagramSettings.ShowSymbols", "DiagramSettings.ShowPointValues",
                         "DiagramTitle"});
}

void TSaxelPage::AddCurveDiagram()
{
    auto* diagram = new TCurveDiagram(this, GrowthCurve(23), nullptr);
    diagram->SetBounds(0, 0, 489, 297);
    diagram->SetDiagramTitle(QStringLiteral("Temperatuurcurve"));
    diagram->SetXAxisTitle(QStringLiteral("Dag"));
    diagram->DiagramSettings()->SetShowSymbols(true);
    diagram->DiagramSettings()->SetXAxisDecimals(0);
    diagram->DiagramSettings()->SetYAxisDecimals(1);
    // The day counter belongs to the curve's record, not to a published property.
    auto* day = new QSpinBox;
    day->setPrefix(QStringLiteral("Day counter: "));
    day->setRange(0, 999);
    day->setValue(diagram->Curve().DayCounter);
    connect(day, &QSpinBox::valueChanged, diagram, [diagram](int value) {
        diagram->Curve().DayCounter = value;
        TCurveDiagram::AllDagenTeller = value;
        diagram->Invalidate();
    });
    AddSection(diagram, {"DiagramTitle", "XAxisTitle", "YAxisTitle", "DiagramSettings.ShowGrid",
                         "DiagramSettings.ShowSymbols", "DiagramSettings.ShowPointValues",
                         "DiagramSettings.MinXValue", "DiagramSettings.MaxXValue", "DiagramSettings.MinYValue",
                         "DiagramSettings.MaxYValue"},
               {day});
}

void TSaxelPage::AddTrendGraph()
{
    auto* graph = new TKivGraph(this);
    graph->resize(520, 300);
    graph->Title = QStringLiteral("Stal 1: een dag");
    graph->SetBgStyle(TKivGraph::bgsLineHoriz);
    graph->SetColorBg(clWhite);
    graph->SetColorBg2(RGB(200, 215, 235));
    graph->SetBorderStyle(TKivGraph::bstRaised);
    ShowHouseDay(*graph);
    auto* hint = new QLabel(QStringLiteral("Drag a band to zoom in, right-click to zoom out,\n"
                                           "drag with the right button to pan."));
    AddSection(graph, {"BgStyle", "BorderStyle", "GraphBorder", "ColorBg", "ColorBg2", "ColorGrid", "GridStyle",
                       "MouseZoom", "MousePan", "LineWidth"},
               {hint});

    auto* legend = new TLegenda(this);
    legend->resize(170, 80);
    legend->SetKivGraph(graph);
    AddSection(legend, {"CheckBoxes"});
}

void TSaxelPage::AddLiveTrendGraph()
{
    auto* graph = new TKivGraph(this);
    graph->resize(520, 300);
    graph->Title = QStringLiteral("Live: 8 sensors at 1 kHz");
    graph->SetColorBg(clWhite);
    graph->SetBorderStyle(TKivGraph::bstRaised);
    auto* feed = new TTrendLiveFeed(*graph, graph);
    auto* run = new QCheckBox(QStringLiteral("Run"));
    connect(run, &QCheckBox::toggled, feed, [feed](bool on) { feed->Run(on); });
    run->setChecked(true);
    auto* follow = new QPushButton(QStringLiteral("Follow the newest"));
    connect(follow, &QPushButton::clicked, graph, [graph] { graph->SetFollow(true); });
    auto* hint = new QLabel(QStringLiteral("The view follows the newest samples; a zoom or a pan\n"
                                           "holds it, a right-click or the button follows again."));
    AddSection(graph, {"GridStyle", "LineWidth"}, {run, follow, hint});
}

void TSaxelPage::AddSpinButton()
{
    auto* spin = new TKivSpinButton(this);
    spin->SetBounds(0, 0, 20, 40);
    auto* count = CounterLabel(QStringLiteral("Steps: 0"));
    auto step = [count, n = std::make_shared<int>(0)](int by) {
        *n += by;
        count->setText(QStringLiteral("Steps: %1").arg(*n));
    };
    connect(spin, &TKivSpinButton::OnUpClick, count, [step] { step(1); });
    connect(spin, &TKivSpinButton::OnDownClick, count, [step] { step(-1); });
    AddSection(spin, {"UpGlyph", "DownGlyph", "Ctl3D"}, {count});
}

void TSaxelPage::AddTimerSpeedButton()
{
    auto* button = new TTimerSpeedButton(this);
    button->SetBounds(0, 0, 75, 25);
    button->SetCaption(QStringLiteral("Hold me"));
    button->SetTimeBtnState(TTimerSpeedButton::tbAllowTimer | TTimerSpeedButton::tbFocusRect);
    auto* count = CounterLabel(QStringLiteral("Clicks: 0"));
    connect(button, &TControl::OnClick, count, [count, n = std::make_shared<int>(0)] {
        count->setText(QStringLiteral("Clicks: %1").arg(++*n));
    });
    // The repeat is one flag of a set, which the editors do not cover.
    auto* repeat = new QCheckBox(QStringLiteral("Repeat while held"));
    repeat->setChecked(true);
    connect(repeat, &QCheckBox::toggled, button, [button](bool on) {
        button->SetTimeBtnState(on ? button->TimeBtnState() | TTimerSpeedButton::tbAllowTimer
                                   : button->TimeBtnState() & ~TTimerSpeedButton::tbAllowTimer);
    });
    AddSection(button, {"Caption", "Flat", "Glyph", "Margin", "Spacing"}, {repeat, count});
}

void TSaxelPage::AddDiagramButton()
{
    auto* button = new TDiagramButton(this);
    button->SetBounds(0, 0, 40, 40);
    button->SetGlyph(QStringLiteral("HEATEROFF"));
    button->SetGlyph2(QStringLiteral("HEATERON"));
    AddSection(button, {"Glyph", "Glyph2", "Caption", "Flat", "Layout"});
}
