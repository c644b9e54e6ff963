#pragma once
// The screen size the windows centre themselves on, in twips.

namespace platform {

double ScreenWidthTwips();
double ScreenHeightTwips();
// Tests fix the screen width (pixels); 0 returns to the real screen.
void setScreenWidthForTests(int pixels);

} // namespace platform
