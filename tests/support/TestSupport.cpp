#include "support/TestSupport.h"

#include "framework/Color.h"

#include <QDir>

MessageCapture::MessageCapture()
{
    previous_ = Dialogs::SetSink([this](Dialogs::MessageKind, const QString&, const QString& text) { Texts << text; });
}

MessageCapture::~MessageCapture() { Dialogs::SetSink(previous_); }

QString ArtefactDir()
{
    QString dir = qEnvironmentVariable("QUIL_ARTEFACTS");
    if (dir.isEmpty())
        dir = QDir::current().absoluteFilePath(QStringLiteral("artefacts"));
    QDir().mkpath(dir);
    return dir;
}

int PixelColor(const QImage& image, int x, int y) { return PixelToColor(image.pixel(x, y)); }
