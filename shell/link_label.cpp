#include "shell/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : WrappedLabel(text, parent)
{
    setMouseTracking(true);
}

void LinkLabel::makeLink()
{
    setUnderline(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    WrappedLabel::mouseReleaseEvent(event);
    // The click belongs to the label alone; a container that takes clicks must not see it.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    WrappedLabel::mouseMoveEvent(event);
    // The move belongs to the label alone; its container must not see it too.
    event->accept();
    emit mouseMoved();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const bool follows = focusPolicy() != Qt::NoFocus &&
                         (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space);
    if (!follows) {
        WrappedLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}
