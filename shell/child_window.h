#pragma once
// A window shown inside the main window: a course window, or the runes meaning test that
// takes the course window's place. Its load step first places it at the top of the main
// window, centred across the screen; a close box, Ctrl+F4 and Ctrl+W unload it as Unload does.
#include <QWidget>

#include "platform/forms.h"

class ChildWindow : public QWidget, public platform::Form {
    Q_OBJECT
public:
    // The window starts at its designed size, which is also its size hint.
    ChildWindow(const char* formName, const QString& caption, QSize designedSize);

    QSize sizeHint() const override { return m_designedSize; }

    // Left edge := (screen width - window width) / 2, top edge := 0, in twips; the left edge
    // keeps its fraction (leftTwips), the frame moves to the pixel it falls on.
    void placeAtTopCentre();
    double leftTwips() const { return m_leftTwips; }

    // The exit command: unloads this window, and its unload step runs.
    void unloadWindow();

    // Whether the launcher shows the window after its load step. A window that hid itself
    // there (the tarot window gone to the tray) says no, and stays hidden.
    virtual bool showsAfterLoad() const { return true; }

protected:
    // The window's own load step; it runs after the placement.
    virtual void loadStep() {}
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load() final;
    void addCloseKeys();

    QSize m_designedSize;
    double m_leftTwips = 0;
};
