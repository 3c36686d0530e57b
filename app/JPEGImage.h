#pragma once
// TJPEGImage: decodes JPEG pictures with libjpeg into the framework's 32-bit
// image layout. The logo of the main window is stored as a JPEG.

#include <QByteArray>
#include <QImage>
#include <QString>

class TJPEGImage {
public:
    // Decodes the bytes of a JPEG file. Damaged or truncated data raises an
    // Exception with libjpeg's own description; it never yields half a picture.
    static QImage Decode(const QByteArray& data);
    // Decodes a compiled-in JPEG, e.g. ":/bitmaps/QUILLOGO.jpg".
    static QImage LoadFromResource(const QString& path);
};
