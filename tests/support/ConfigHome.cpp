#include "support/ConfigHome.h"

TempConfigHome::TempConfigHome() : had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), saved_(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
}

TempConfigHome::~TempConfigHome()
{
    if (had_)
        qputenv("XDG_CONFIG_HOME", saved_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TempConfigHome::KeyFile() const { return dir_.path() + QStringLiteral("/quil/Software/Brenvik/Quil demo.reg"); }
