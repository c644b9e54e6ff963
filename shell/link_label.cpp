#include "shell/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int FocusMargin = 2;
} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : WrappedLabel(text, parent)
{
    setMouseTracking(true);
}

void LinkLabel::makeLink()
{
    setUnderline(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setContentsMargins(FocusMargin, FocusMargin, FocusMargin, FocusMargin);
}

void LinkLabel::setUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::putLinksLastInTabOrder(QWidget* window)
{
    QWidget* last = nullptr;
    QList<LinkLabel*> links;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (!window->isAncestorOf(w))
            continue;
        if (auto* link = qobject_cast<LinkLabel*>(w))
            links << link;
        else if (w->focusPolicy() & Qt::TabFocus)
            last = w;
    }
    if (!last)
        return;
    for (LinkLabel* link : links) {
        QWidget::setTabOrder(last, link);
        last = link;
    }
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

void LinkLabel::paintEvent(QPaintEvent* event)
{
    WrappedLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
