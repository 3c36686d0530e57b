#pragma once
// TCanMessage: one CAN frame as the nodes see it. The byte after the
// identifier belongs to the host's driver; the node never reads or writes it.

#include <cstdint>

struct TCanMessage {
    std::uint32_t ID = 0;       // 29-bit extended identifier in bits 0-28
    std::uint8_t Driver = 0;    // the host driver's byte
    std::uint8_t Length = 0;    // valid data bytes, 0-8
    std::uint8_t Data[8] = {};  // Data[0] is the SDO command byte
};
