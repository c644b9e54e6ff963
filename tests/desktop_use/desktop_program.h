#pragma once
// The whole program as a desktop user meets it: every course registered, the card database
// beside the program, and the palettes a light and a dark desktop give.
#include <QPalette>
#include <QString>

class QWidget;
class frmMDI;
class TestEnvironment;

namespace desktop {

enum class Scheme { Light, Dark };
QString schemeName(Scheme scheme);

// Fusion with its light palette, or the dark colour scheme qt6ct calls "darker", as the
// application's palette; the contrast style over Fusion as the program sets it up.
void useScheme(Scheme scheme);

// Registers the courses, puts the card database in env's program folder and starts the
// program; returns the main window.
frmMDI* startProgram(TestEnvironment& env);

// Opens course window k (0 astrology, 1 numerology, 2 tarot, 3 runes) from its launcher.
QWidget* openCourse(frmMDI* main, int k);

} // namespace desktop
