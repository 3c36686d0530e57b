#include "framework/ScreenDepth.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
int g_override = 0;
}

namespace Screen {

int ColorDepth()
{
    if (g_override > 0)
        return g_override;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

void SetColorDepthOverride(int bits) { g_override = bits; }

} // namespace Screen
