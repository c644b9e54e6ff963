#pragma once
// What a screen reader does to tick a box: the accessible toggle action, which calls toggle()
// and so emits toggled, but not clicked.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>

// False when the box offers no toggle action.
inline bool toggleByScreenReader(QAbstractButton* box)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QAccessibleActionInterface* actions = accessible ? accessible->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::toggleAction());
    return true;
}
