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
    case NoError: return QStringLiteral("no error");
    case SingleWhileBusy: return QStringLiteral("single-frame download while a transfer was in progress");
    case FirstWhileBusy: return QStringLiteral("download start while a transfer was in progress");
    case MiddleWhenIdle: return QStringLiteral("download middle segment with no transfer in progress");
    case LastWhenIdle: return QStringLiteral("download last segment with no transfer in progress");
    case UploadStartWhileBusy: return QStringLiteral("upload start while a transfer was in progress");
    case UploadNextWhenIdle: return QStringLiteral("next upload segment with no transfer in progress");
    case ReplyAsRequest: return QStringLiteral("a reply command sent as a request");
    case ToggleMismatch: return QStringLiteral("toggle bit not the expected one");
    case DownloadOverflow:
        return QStringLiteral("download past the %1 entries of the buffer").arg(TCanCBase::SdoDataSize);
    case UploadLength:
        return QStringLiteral("upload length above the %1 entries of the buffer").arg(TCanCBase::SdoDataSize);
    case ShortSegment: return QStringLiteral("segment shorter than its command byte's count");
    default: return QStringLiteral("unknown error %1").arg(sdoError);
    }
}

QString AbortCauses(int requestCommand)
{
    const auto with = [](int code) { return QStringLiteral("%1 (SdoError %2)").arg(ErrorText(code)).arg(code); };
    const auto either = [&](int a, int b) { return with(a) + QStringLiteral(" or ") + with(b); };
    // A download segment is also refused when it is short or would overflow the buffer.
    const auto segment = [&](int code) {
        return with(code) + QStringLiteral(", ") + with(ShortSegment) + QStringLiteral(" or ") + with(DownloadOverflow);
    };
    switch (requestCommand) {
    case DownloadSingle: return either(SingleWhileBusy, ShortSegment);
    case DownloadFirst: return segment(FirstWhileBusy);
    case DownloadMiddle: return segment(MiddleWhenIdle);
    case DownloadLast: return segment(LastWhenIdle);
    case UploadStart: return either(UploadStartWhileBusy, UploadLength);
    case UploadNext: return either(UploadNextWhenIdle, UploadLength);
    default: return with(ReplyAsRequest);
    }
}

} // namespace Sdo
