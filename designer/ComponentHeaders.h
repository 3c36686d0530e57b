#pragma once
// The header a form's generated code includes for a component class: the
// component's own header, found by the file-per-class naming (TGSpin in
// widgets/GSpin.h, TvrThermoMeter in widgets/VrThermoMeter.h).

#include <QString>

class TComponentHeaders {
public:
    // The header below the include root ("widgets/GSpin.h"); empty when none matches.
    static QString Of(const QString& className);
};
