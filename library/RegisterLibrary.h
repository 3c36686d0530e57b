#pragma once
// Registers every component of the library on its palette page. Hosts that
// offer the whole library (the gallery, the Qt Designer plugin) call this one
// function, so a component family appears there as soon as it is listed here.

#include "framework/ComponentRegistry.h"

#include <QList>

void RegisterLibraryComponents();

// The library's own visual components in registration order: widgets on a
// palette page. The framework's stand-ins for the platform's standard controls
// (page "Standard") and page-less classes (forms) are not among them.
QList<TComponentClass> VisualLibraryComponents();
