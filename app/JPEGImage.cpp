#include "app/JPEGImage.h"

#include "framework/Exception.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to Decode, which raises the framework's exception.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (for example premature end of data) are treated as failures too:
// a picture that libjpeg had to pad is not the picture that was stored.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->num_warnings++ == 0)
        OnFatalError(info);
}

// Runs the decompressor; everything that must be cleaned up after a jump
// lives in the caller, so no C++ object is skipped by longjmp.
bool DecodeInto(jpeg_decompress_struct& cinfo, ErrorManager& err, const QByteArray& data, QImage& out)
{
    if (setjmp(err.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

QImage TJPEGImage::Decode(const QByteArray& data)
{
    if (data.isEmpty())
        throw Exception(QStringLiteral("JPEG error: empty picture data"));
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnFatalError;
    err.base.emit_message = OnMessage;
    QImage image;
    const bool ok = DecodeInto(cinfo, err, data, image);
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        throw Exception(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(err.message)));
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage TJPEGImage::LoadFromResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("JPEG picture %1 not found").arg(path));
    return Decode(file.readAll());
}
