#pragma once
// What every course window shares: its Help menu, the three link labels and the copy
// guard on the boxes that show course texts.
#include <QString>

class QMenuBar;
class QMenu;
class QWidget;
class LinkLabel;

namespace course_commands {

inline constexpr char UpdateCaption[] = "Check for Software &Update";

// Adds "&Help" with mnuOnline, mnuVisit, a separator, mnuUpdate, a separator and mnuAbout.
// aboutOwner is the window the about box is shown over (may be null).
QMenu* addHelpMenu(QMenuBar* bar, QWidget* aboutOwner = nullptr,
                   const QString& updateCaption = QString::fromLatin1(UpdateCaption));

// The forum advertisement that ends "Click Here To Visit Velmora Now." (numerology, runes).
QString ForumInvitationText();

// Link labels, each opening its page when clicked; object names as given.
LinkLabel* makeForumLabel(const QString& objectName, const QString& text, QWidget* parent);
LinkLabel* makeCoBrandLabel(QWidget* parent);   // lblCobrand
LinkLabel* makeFullBrandLabel(QWidget* parent); // lblFullBrand

// Empties the clipboard on every change, click and mouse press, move and release of the
// box (a QTextEdit, QPlainTextEdit or QLineEdit); key events are not guarded.
void guardCopy(QWidget* box);

} // namespace course_commands
