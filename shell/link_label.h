#pragma once
// A label that acts as a link: it reports clicks and mouse moves, and can show the link
// pointer and an underline.
#include "shell/wrapped_label.h"

class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // Underlined, with the pointing-hand pointer; the keyboard reaches it, and Enter or the
    // space bar follows it as a click does.
    void makeLink();
    void setUnderline(bool on);
    bool underline() const { return font().underline(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
