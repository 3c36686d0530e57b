// Builds the form uic made from panel.ui, renders it and checks that the
// display drew its digits in the form's colour: consumer <picture.png>.
#include "ui_panel.h"

#include <QApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget panel;
    Ui::Panel ui;
    ui.setupUi(&panel);
    const QImage picture = panel.grab().toImage();
    if (argc > 1)
        picture.save(QString::fromLocal8Bit(argv[1]));
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixel(x, y) == qRgb(255, 0, 0);
    std::printf("value %s, %d pixels in the digit colour\n", qPrintable(ui.lcd->Value()), red);
    return ui.lcd->Value() == QStringLiteral("12.5") && red > 100 ? 0 : 1;
}
