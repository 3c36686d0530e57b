#pragma once
// One frame as a line of text: identifier, type, priority, the four address
// fields, the data bytes and, for configuration frames, the command byte
// spelled out; for PDOs the value they carry.

#include "can/CanIdentifier.h"
#include "can/CanMessage.h"

#include <QCanBusFrame>
#include <QString>

QString DescribeCanFrame(const TCanMessage& frame);
// Any frame on the wire: extended data frames as DescribeCanFrame, the
// others (standard 11-bit, remote, error frames) marked as not addressed to a
// node, since only extended identifiers carry node addresses.
QString DescribeBusFrame(const QCanBusFrame& frame);

// "CardNr.CardID.ComponentNr.ComponentID", as the tools read and write it.
QString CanAddressText(const CanId::TAddress& address);
