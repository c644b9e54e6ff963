#pragma once
// Finding a window's controls by their names in window tests.
#include <QAbstractButton>
#include <QStackedWidget>
#include <QString>
#include <QWidget>

template <typename T>
T* child(QWidget* window, const QString& name)
{
    T* control = window->findChild<T*>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

inline void click(QWidget* window, const QString& name) { child<QAbstractButton>(window, name)->click(); }

// The object name of the page a stacked widget shows.
inline QString frontPage(QWidget* window, const QString& stack = QStringLiteral("pages"))
{
    return child<QStackedWidget>(window, stack)->currentWidget()->objectName();
}
