#pragma once
// Small builders for the runes windows' controls: each sets the designed name (array
// element k of X is "X_k") and the caption, so a window's build code reads like its layout.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace runes_widgets {

inline QString elementName(const char* array, int index)
{
    return QString::fromLatin1(array) + QLatin1Char('_') + QString::number(index);
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

// A label whose text wraps to the width it is given.
inline QLabel* makeText(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = make<QLabel>(name, text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A label with a bigger bold font, for titles and rune names.
inline QLabel* makeTitle(const QString& name, const QString& text, QWidget* parent, qreal pointSize = 12)
{
    auto* label = make<QLabel>(name, text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(pointSize);
    label->setFont(f);
    return label;
}

// A framed box that shows one rune picture at its designed size.
inline QLabel* makePicture(const QString& name, const QString& accessibleName, QWidget* parent, QSize size)
{
    auto* picture = named(new QLabel(parent), name);
    picture->setFixedSize(size);
    picture->setAccessibleName(accessibleName);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace runes_widgets
