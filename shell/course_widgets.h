#pragma once
// Small builders shared by the course windows: each sets the designed name (array element
// k of X is "X_k") and the caption, so a window's build code reads like its layout.
#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "shell/wrapped_label.h"

namespace course_widgets {

inline QString elementName(const char* array, int index)
{
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
}

// The items of a list of whole numbers, first to last: "1", "2", ...
inline QStringList numberTexts(int first, int last)
{
    QStringList texts;
    texts.reserve(std::max(0, last - first + 1));
    for (int n = first; n <= last; ++n)
        texts << QString::number(n);
    return texts;
}

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T* make(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new T(caption, parent), name);
}

// A label whose plain text wraps to the width it is given.
inline QLabel* makeText(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = make<WrappedLabel>(name, text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A push button of the course windows' usual width whose click runs slot (a member function
// of receiver, or a function object living as long as receiver).
template <typename Receiver, typename Slot>
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, Receiver* receiver, Slot slot)
{
    auto* button = make<QPushButton>(name, caption, parent);
    // Some room beside the caption, and never narrower than the usual width.
    button->setMinimumWidth(std::max(110, button->sizeHint().width() + 16));
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

} // namespace course_widgets
