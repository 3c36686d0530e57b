#pragma once
// The SDO command byte (data byte 0 of requests and replies): bit 7 toggle,
// bits 4-6 payload count, bits 0-3 command. Building and reading it, and the
// names a person reads: the commands and the causes of the node's aborts.

#include <QString>
#include <cstdint>

namespace Sdo {

enum Command : int {
    DownloadSingle = 0, DownloadFirst = 1, DownloadMiddle = 2, DownloadLast = 3,
    SegmentAccepted = 4, DownloadComplete = 5, UploadStart = 6, UploadNext = 7,
    UploadMore = 8, UploadLast = 9, Abort = 10
};

constexpr std::uint8_t CommandByte(bool toggle, int count, int command)
{
    return std::uint8_t((toggle ? 0x80 : 0) | ((count & 0x07) << 4) | (command & 0x0F));
}
constexpr bool Toggle(std::uint8_t byte) { return byte & 0x80; }
constexpr int Count(std::uint8_t byte) { return (byte >> 4) & 0x07; }
constexpr int CommandOf(std::uint8_t byte) { return byte & 0x0F; }

// "download first segment", "upload segment, more follows", ...; requests and
// replies share no command number except 8-15, which only replies use.
QString CommandName(int command, bool request);
// What an SdoError code means.
QString ErrorText(int sdoError);
// The causes a node may have had for aborting a request with this command.
QString AbortCauses(int requestCommand);

} // namespace Sdo
