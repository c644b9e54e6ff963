#pragma once
// The program's identity as the desktop sees it, set once at start, and what follows the
// main window's first paint.
#include <functional>

class QWidget;

// Names the program "Orvanel" (the caption of its message boxes); closing the last window does not end it (only the shutdown does). The name is set as the
// application name, not as a display name, which Qt would append to every title bar
// ("Orvanel v1.20 — Orvanel"). Keyboard focus and check indicators are drawn so they show on
// every background.
void SetUpApplication();

// Gives every window the program's icon (once). Start-up calls it after the main window's first
// paint, or before a message box that comes first, so that decoding it does not delay the window.
void SetApplicationIcon();

// Runs work once the window has been painted for the first time, on the next turn of the
// event loop, so that the painted window reaches the screen first.
void AfterFirstPaint(QWidget* window, std::function<void()> work);

// Gives the memory that start-up used and has freed back to the system.
void ReleaseStartUpMemory();
