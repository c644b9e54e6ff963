#pragma once
// Builders for the runes windows' own kinds of controls, beside the shared ones.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include "shell/course_widgets.h"

namespace runes_widgets {

using course_widgets::elementName;
using course_widgets::make;
using course_widgets::makeText;
using course_widgets::named;

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
