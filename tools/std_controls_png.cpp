// Renders the framework's standard controls as the demo windows use them
// (panels with bevels, a flat speed button with a glyph above its caption, a
// group box, transparent images and labels over a coloured panel) to PNG
// files in the folder given on the command line, to look at them.
//
//   std_controls_png <folder>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"

#include <QDir>
#include <QMouseEvent>
#include <QTextStream>

namespace {

TForm* BuildForm()
{
    auto* form = new TForm;
    form->setObjectName("Sample");
    form->SetClientWidth(360);
    form->SetClientHeight(200);
    auto* top = new TPanel(form);
    top->SetBounds(0, 0, 360, 73);
    top->SetAlign(alTop);
    auto* close = new TSpeedButton(top);
    close->SetBounds(292, 8, 55, 55);
    close->SetCaption("CLOSE");
    close->SetFlat(true);
    close->SetLayout(blGlyphTop);
    close->SetGlyph("CLOSEGLYPH");
    close->Font()->SetStyle(fsBold);
    auto* plain = new TSpeedButton(top);
    plain->SetBounds(200, 8, 75, 25);
    plain->SetCaption("Button");
    auto* logo = new TImage(top);
    logo->SetBounds(10, 24, 126, 28);
    logo->SetAutoSize(true);
    logo->SetPicture("QUILLOGO");
    auto* lowered = new TPanel(form);
    lowered->SetBounds(9, 80, 200, 110);
    lowered->SetBevelOuter(bvLowered);
    lowered->SetBevelInner(bvRaised);
    lowered->SetBevelWidth(2);
    lowered->SetCaption("Lowered panel");
    auto* flame = new TImage(lowered);
    flame->SetBounds(10, 10, 33, 33);
    flame->SetPicture("FLAME");
    flame->SetTransparent(true);
    auto* stretched = new TImage(lowered);
    stretched->SetBounds(50, 10, 60, 40);
    stretched->SetPicture("SNOWFLAKE");
    stretched->SetStretch(true);
    stretched->SetTransparent(true);
    auto* group = new TGroupBox(form);
    group->SetBounds(220, 80, 130, 110);
    group->SetCaption("Options");
    group->Font()->SetStyle(fsBold);
    auto* green = new TPanel(group);
    green->SetBounds(10, 20, 110, 40);
    green->SetBevelOuter(bvNone);
    green->SetColor(RGB(0, 192, 0));
    auto* label = new TLabel(green);
    label->SetLeft(6);
    label->SetTop(12);
    label->SetCaption("Transparent label");
    label->SetTransparent(true);
    auto* opaque = new TLabel(group);
    opaque->SetLeft(10);
    opaque->SetTop(80);
    opaque->SetCaption("Opaque label");
    opaque->SetColor(clYellow);
    return form;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: std_controls_png <folder>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("."))
        return 1;
    TForm* form = BuildForm();
    form->show();
    form->grab().save(out.filePath("std_controls.png"));
    // The pressed look of the flat button.
    auto* close = form->findChildren<TSpeedButton*>().first();
    QPointF centre(27, 27);
    QMouseEvent press(QEvent::MouseButtonPress, centre, close->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(close, &press);
    close->grab().scaled(220, 220).save(out.filePath("speed_button_pressed_x4.png"));
    delete form;
    return 0;
}
