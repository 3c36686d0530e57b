// A program outside the Quil tree built with pkg-config only: it places a
// seven-segment display in code, renders it and checks that the digits were
// drawn in their colour: consumer <picture.png>.
#include <quil/widgets/LCD99.h>

#include <QApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TLCD99 lcd(nullptr);
    lcd.SetBounds(0, 0, 121, 84);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(9);
    lcd.SetOnColor(clRed);
    lcd.SetValue(QStringLiteral("7.5"));
    const QImage picture = lcd.grab().toImage();
    if (argc > 1)
        picture.save(QString::fromLocal8Bit(argv[1]));
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixel(x, y) == qRgb(255, 0, 0);
    std::printf("value %s, %d pixels in the digit colour\n", qPrintable(lcd.Value()), red);
    return lcd.Value() == QStringLiteral("7.5") && red > 100 ? 0 : 1;
}
