#pragma once
// The screen's colour depth (bits per pixel), which off-screen pictures made
// for the screen depend on. Tests set an override to act out a change of the
// display mode; 0 returns to the real screen.

namespace Screen {

int ColorDepth();
void SetColorDepthOverride(int bits);

} // namespace Screen
