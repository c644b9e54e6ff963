#pragma once
// The tarot window as a user meets it in tests: opened from the main window's launcher,
// its controls found by name, boxes and options changed the ways a user can change them.
#include <QAbstractButton>
#include <QMetaType>
#include <QString>

#include "controls.h"

class frmMDI;
class frmLearnTarotMain;

namespace tarot_window {

// The main window at 1280 x 800, large enough for the tarot window to grow in.
frmMDI* startMainWindow();
// "Learn Tarot" on the main window; the tarot window it opened.
frmLearnTarotMain* openFromLauncher(frmMDI* main);
// The main window and the tarot window, with the built card database in the program folder.
frmLearnTarotMain* openWithBuiltCards();

// "10000": one digit per tab, 1 when it is enabled.
QString enabledTabs(frmLearnTarotMain* window);
int shownTab(frmLearnTarotMain* window);

// The ways a box or option changes.
enum class How { Click, Keyboard, ScreenReader, Program };
QString howName(How how);
// Sets a check box to the state, or picks an option, the given way.
void setTicked(QAbstractButton* box, bool ticked, How how);
void pick(QAbstractButton* option, How how);

// The control's own enabled state, whether or not its tab is enabled.
bool ownEnabled(const QWidget* control);

// Picks the test type (0 description, 1 keywords) and level on the settings tab.
void chooseTest(frmLearnTarotMain* window, int type, int level, bool reversed = false);

} // namespace tarot_window

Q_DECLARE_METATYPE(tarot_window::How)
