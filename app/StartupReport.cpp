#include "app/StartupReport.h"

#include <QDateTime>
#include <QEvent>
#include <QWidget>

#include <cstdio>

TStartupReport::TStartupReport(QElapsedTimer sinceMain) : sinceMain_(sinceMain) {}

bool TStartupReport::Requested() { return qEnvironmentVariableIsSet("QUIL_REPORT_STARTUP"); }

void TStartupReport::Watch(QWidget* window)
{
    if (Requested())
        window->installEventFilter(this);
}

bool TStartupReport::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        std::printf("quil-demo: first paint at %lld (%lld ms after main)\n",
                    static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                    static_cast<long long>(sinceMain_.elapsed()));
        std::fflush(stdout);
    }
    return false;
}
