#include "shell/link_label.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void LinkLabel::makeLink()
{
    setUnderline(true);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    // The click belongs to the label alone; a container that takes clicks must not see it.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    // The move belongs to the label alone; its container must not see it too.
    event->accept();
    emit mouseMoved();
}
