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

// The payload bytes one frame carries after the command byte.
constexpr int SegmentBytes = 7;

// Why a node aborted a request (its SdoError). 1-8 are the protocol's own;
// the others refuse what would read or write outside the buffer, or store
// bytes the frame does not carry.
enum Error : int {
    NoError = 0,
    SingleWhileBusy = 1,       // command 0 during a transfer
    FirstWhileBusy = 2,        // command 1 during a transfer
    MiddleWhenIdle = 3,        // command 2 with no transfer
    LastWhenIdle = 4,          // command 3 with no transfer
    UploadStartWhileBusy = 5,  // command 6 during a transfer
    UploadNextWhenIdle = 6,    // command 7 with no transfer
    ReplyAsRequest = 7,        // a reply command (4, 5, 8-15) sent as a request
    ToggleMismatch = 8,        // no reply is sent for this one
    DownloadOverflow = 9,      // the download would run past the buffer
    UploadLength = 10,         // SdoLength above the buffer
    ShortSegment = 11          // the frame holds fewer bytes than its count
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
