#pragma once
// Helpers shared by the test programs.

#include "framework/Dialogs.h"

#include <QImage>
#include <QString>
#include <QStringList>

// Records every message box text while alive, instead of showing boxes.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    QStringList Texts;

private:
    Dialogs::Sink previous_;
};

// Folder for pictures that test tools write (created on demand).
QString ArtefactDir();

// The TColor of a pixel of an RGB32 image.
int PixelColor(const QImage& image, int x, int y);
