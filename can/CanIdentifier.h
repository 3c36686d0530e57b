#pragma once
// The node identifier layout: five address fields in bits 0-21, the message
// type in bits 22-23, two unused bits, the priority in bits 26-28.

#include <cstdint>

namespace CanId {

enum MessageType : int { PdoUntyped = 0, Pdo = 1, SdoReply = 2, SdoRequest = 3 };

struct TField {
    int Shift;
    int Width;
    constexpr std::uint32_t Mask() const { return ((1u << Width) - 1u) << Shift; }
    constexpr int Max() const { return (1 << Width) - 1; }
    constexpr int Of(std::uint32_t id) const { return int((id & Mask()) >> Shift); }
    constexpr std::uint32_t Place(int value) const { return (std::uint32_t(value) << Shift) & Mask(); }
};

inline constexpr TField CardNr{0, 5};
inline constexpr TField CardID{5, 7};
inline constexpr TField ComponentNr{12, 5};
inline constexpr TField ComponentID{17, 5};
inline constexpr TField Type{22, 2};
inline constexpr TField Priority{26, 3};

inline constexpr std::uint32_t AddressMask = 0x003FFFFFu;
// Type, the two unused bits and the priority: not compared by a node's filter.
inline constexpr std::uint32_t FilterMask = 0x1FC00000u;
inline constexpr std::uint32_t ExtendedMask = 0x1FFFFFFFu;

// The four address fields of one node.
struct TAddress {
    int CardNr = 0;
    int CardID = 0;
    int ComponentNr = 0;
    int ComponentID = 0;
    constexpr std::uint32_t Bits() const
    {
        return CanId::CardNr.Place(CardNr) | CanId::CardID.Place(CardID) | CanId::ComponentNr.Place(ComponentNr)
               | CanId::ComponentID.Place(ComponentID);
    }
    static constexpr TAddress Of(std::uint32_t id)
    {
        return {CanId::CardNr.Of(id), CanId::CardID.Of(id), CanId::ComponentNr.Of(id), CanId::ComponentID.Of(id)};
    }
    friend constexpr bool operator==(const TAddress&, const TAddress&) = default;
};

constexpr std::uint32_t Compose(std::uint32_t nodeBits, int type, int priority)
{
    return Priority.Place(priority) | Type.Place(type) | (nodeBits & AddressMask);
}

} // namespace CanId
