#pragma once
// What the QML-facing members share: refusing a call with a JavaScript
// error the QML host sees where it called, and reading the colours QML
// hands over.

#include "framework/Color.h"

#include <QString>
#include <QVariant>

class QObject;

// Throws a JavaScript error in the engine of the QML object; an object that
// no engine made (a C++ caller) gets the message as a warning.
void ThrowQmlError(QObject* object, const QString& message);

// A QML color, a colour name ("red", "#ff8000") or a library colour number;
// false when the value is none of them.
bool ColorArgument(const QVariant& value, TColor& color);
