#include "shell/course_title.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

void styleAsTitle(QWidget* label, qreal pointSize, const QColor& colour)
{
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(pointSize);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}
