#include "diagram/AllSetpoints.h"

TAllSetpoints::TAllSetpoints(QObject* owner) : owner_(owner) { setObjectName(QStringLiteral("AllSetpoints")); }
