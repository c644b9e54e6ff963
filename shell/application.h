#pragma once
// The program's identity as the desktop sees it, set once at start.

// Names the program "Orvanel" (the caption of its message boxes) and gives it its icon;
// closing the last window does not end it (only the shutdown does). The name is set as the
// application name, not as a display name, which Qt would append to every title bar
// ("Orvanel v1.20 — Orvanel"). Keyboard focus and check indicators are drawn so they show on
// every background.
void SetUpApplication();
