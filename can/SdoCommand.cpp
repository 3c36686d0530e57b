#include "can/SdoCommand.h"

#include "can/CanCBase.h"

namespace Sdo {

QString CommandName(int command, bool request)
{
    if (request) {
        switch (command) {
        case DownloadSingle: return QStringLiteral("single-frame download");
        case DownloadFirst: return QStringLiteral("download first segment");
        case DownloadMiddle: return QStringLiteral("download middle segment");
        case DownloadLast: return QStringLiteral("download last segment");
        case UploadStart: return QStringLiteral("start upload");
        case UploadNext: return QStringLiteral("next upload segment");
        default: return QStringLiteral("invalid request command %1").arg(command);
        }
    }
    switch (command) {
    case SegmentAccepted: return QStringLiteral("segment accepted, more expected");
    case DownloadComplete: return QStringLiteral("download complete");
    case UploadMore: return QStringLiteral("upload segment, more follows");
    case UploadLast: return QStringLiteral("last upload segment");
    case Abort: return QStringLiteral("abort");
    default: return QStringLiteral("invalid reply command %1").arg(command);
    }
}

QString ErrorText(int sdoError)
{
    switch (sdoError) {
    case 0: return QStringLiteral("no error");
    case 1: return QStringLiteral("single-frame download while a transfer was in progress");
    case 2: return QStringLiteral("download start while a transfer was in progress");
    case 3: return QStringLiteral("download middle segment with no transfer in progress");
    case 4: return QStringLiteral("download last segment with no transfer in progress");
    case 5: return QStringLiteral("upload start while a transfer was in progress");
    case 6: return QStringLiteral("next upload segment with no transfer in progress");
    case 7: return QStringLiteral("a reply command sent as a request");
    case 8: return QStringLiteral("toggle bit not the expected one");
    case TCanCBase::SdoErrorDownloadOverflow: return QStringLiteral("download past the 256 entries of the buffer");
    case TCanCBase::SdoErrorUploadLength: return QStringLiteral("upload length above the 256 entries of the buffer");
    default: return QStringLiteral("unknown error %1").arg(sdoError);
    }
}

QString AbortCauses(int requestCommand)
{
    const auto with = [](int code) { return QStringLiteral("%1 (SdoError %2)").arg(ErrorText(code)).arg(code); };
    const auto either = [&](int a, int b) { return with(a) + QStringLiteral(" or ") + with(b); };
    switch (requestCommand) {
    case DownloadSingle: return with(1);
    case DownloadFirst: return either(2, TCanCBase::SdoErrorDownloadOverflow);
    case DownloadMiddle: return either(3, TCanCBase::SdoErrorDownloadOverflow);
    case DownloadLast: return either(4, TCanCBase::SdoErrorDownloadOverflow);
    case UploadStart: return either(5, TCanCBase::SdoErrorUploadLength);
    case UploadNext: return either(6, TCanCBase::SdoErrorUploadLength);
    default: return with(7);
    }
}

} // namespace Sdo
