// The shared demo state that tests, picture tools and benchmarks start from
// is the main window's own diagram and thermometer.

#include "DemoFixture.h"

#include "framework/StreamWriter.h"
#include "support/DemoState.h"
#include "widgets/VrThermoMeter.h"

#include <QRegularExpression>

namespace {

// A component's written description without its place, its handlers and the
// fan frame the running fan thread turns.
QString Described(const QObject& component)
{
    QString text = TStreamWriter::Write(&component);
    text.remove(QRegularExpression(QStringLiteral("^ *(Left|Top|VentIndex|On[A-Za-z]+) = .*\\n"),
                                   QRegularExpression::MultilineOption));
    return text.section(QLatin1Char('\n'), 1); // the object line names the instance
}

} // namespace

using DemoState = DemoFixture;

TEST_F(DemoState, IsTheMainWindowsDiagramAndThermometer)
{
    StartDemo(true);
    TLvdVentDiagram diagram;
    ApplyDemoState(diagram);
    EXPECT_EQ(Described(diagram).toStdString(), Described(*mainForm->Diagram).toStdString());

    TvrThermoMeter thermometer;
    ApplyDemoState(thermometer);
    thermometer.Value()->SetValue(mainForm->vrThermoMeter->Value()->Value());
    EXPECT_EQ(Described(thermometer).toStdString(), Described(*mainForm->vrThermoMeter).toStdString());
}
