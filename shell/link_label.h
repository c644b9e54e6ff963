#pragma once
// A label that acts as a link: it reports clicks and mouse moves, and can show the link
// pointer and an underline. A link that holds the keyboard focus is framed in its text colour,
// which reads on its background as the text does.
#include "shell/wrapped_label.h"

class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Underlined, with the pointing-hand pointer; the keyboard reaches it, and Enter or the
    // space bar follows it as a click does. A small margin keeps the focus frame off the text.
    void makeLink();
    void setUnderline(bool on);

    // Moves the window's links behind its other controls in the Tab order, so the keyboard
    // focus a window opens with is never on a link, where Return would open a web page.
    static void putLinksLastInTabOrder(QWidget* window);
    bool underline() const { return font().underline(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
