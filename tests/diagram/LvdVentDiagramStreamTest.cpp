// The ventilation diagram in a window description: the main window's stored
// values read in, and only values that differ from their defaults written out.

#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"
#include "diagram/RegisterDiagram.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kStoredDiagram = QStringLiteral(R"(object Diagram: TLvdVentDiagram
  Left = 9
  Top = 76
  Width = 489
  Height = 297
  DiagramSettings.ShowPointValues = True
  DiagramSettings.ShowSymbols = True
  DiagramSettings.MaxXValue = 500
  DiagramSettings.MaxYValue = 100
  Setpoints.MinAlarm = 100
  Setpoints.MaxAlarm = 360
  Setpoints.Bandbreedte = 60
  Setpoints.StreefTemp = 185
  Setpoints.VerwarmVerschil = 30
  Setpoints.MengAbsoluut = 0
  Setpoints.MengVerschil = 0
  GemetenTemperatuur = 203
  VentilatieStand = 37
end
)");

std::unique_ptr<TLvdVentDiagram> ReadDiagram(const QString& text)
{
    RegisterDiagramComponents();
    QObject* read = TStreamReader::Read(text, QStringLiteral("test"));
    return std::unique_ptr<TLvdVentDiagram>(qobject_cast<TLvdVentDiagram*>(read));
}

} // namespace

TEST(VentStreaming, TheMainWindowsStoredValuesReadIn)
{
    const auto d = ReadDiagram(kStoredDiagram);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Setpoints()->MaxAlarm, 360);
    EXPECT_EQ(d->Setpoints()->VerwarmVerschil, 30);
    EXPECT_TRUE(d->DiagramSettings()->ShowSymbols);
    EXPECT_EQ(d->GemetenTemperatuur(), 203);
    EXPECT_EQ(d->VentilatieStand(), 37);
    EXPECT_TRUE(d->OptieVentilatie());
    d->PaintToImage();
    EXPECT_EQ(d->VentilatieStand(), 37);
    EXPECT_FALSE(d->MaxAlarmActive());
}

TEST(VentStreaming, WritesOnlyWhatDiffersFromTheDeclaredDefaults)
{
    const auto d = ReadDiagram(kStoredDiagram);
    ASSERT_NE(d, nullptr);
    d->SetVentIndex(2);
    const QString text = TStreamWriter::Write(d.get());
    EXPECT_TRUE(text.contains(QStringLiteral("GemetenTemperatuur = 203"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("VentilatieStand = 37")));
    EXPECT_TRUE(text.contains(QStringLiteral("VentIndex = 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Setpoints.MaxAlarm = 360")));
    EXPECT_FALSE(text.contains(QStringLiteral("OptieVentilatie")));
    EXPECT_FALSE(text.contains(QStringLiteral("OptieKoeling")));

    d->SetOptieVentilatie(false);
    d->SetOptieKoeling(true);
    const QString mirrored = TStreamWriter::Write(d.get());
    EXPECT_TRUE(mirrored.contains(QStringLiteral("OptieVentilatie = False")));
    EXPECT_TRUE(mirrored.contains(QStringLiteral("OptieKoeling = True")));

    const auto back = ReadDiagram(mirrored);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->OptieVentilatie());
    EXPECT_TRUE(back->OptieKoeling());
    EXPECT_EQ(back->VentIndex(), 2);
    EXPECT_EQ(back->PointList.front()->PointNumber, 6) << "the options rebind the heating curve";
}

TEST(VentStreaming, ATargetEqualToTheDeclaredDefaultSurvivesTheRoundTrip)
{
    // The new diagram the writer compares with takes its target from the record
    // shared by live diagrams, which the saved diagram has just set to 200.
    auto d = ReadDiagram(kStoredDiagram);
    ASSERT_NE(d, nullptr);
    d->Setpoints()->SetStreefTemp(200);
    const QString text = TStreamWriter::Write(d.get());
    EXPECT_TRUE(text.contains(QStringLiteral("Setpoints.StreefTemp = 200"))) << qPrintable(text);
    d.reset(); // the shared record goes with the last diagram
    const auto back = ReadDiagram(text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Setpoints()->StreefTemp, 200);
}
