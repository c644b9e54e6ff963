#pragma once
// The screen width the windows centre themselves on, in twips.

namespace platform {

double ScreenWidthTwips();
// Tests fix the screen width (pixels); 0 returns to the real screen.
void setScreenWidthForTests(int pixels);

} // namespace platform
