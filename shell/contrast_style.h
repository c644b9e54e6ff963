#pragma once
// Keyboard focus and check indicators that show on every background. Fusion, the style of
// a plain Linux desktop and of the usual dark schemes, marks the focused check box or option
// with a faint, mostly transparent frame in the highlight colour, and outlines indicators in a
// shade of the window colour; both vanish on the dark course colours and in a dark palette.
// Over the desktop style, this draws the focus frame solid in the control's text colour, and
// over Fusion it outlines the indicators in a mix of text and window colour, which stands out
// from the window as the caption does.

// Puts the contrast style over the application's present style; again is harmless.
void InstallContrastStyle();
