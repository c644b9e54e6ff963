#include "shell/child_window.h"

#include <QCloseEvent>

#include "platform/screen.h"
#include "shell/link_label.h"

ChildWindow::ChildWindow(const char* formName, const QString& caption, QSize designedSize)
    : platform::Form(this, QString::fromLatin1(formName)), m_designedSize(designedSize)
{
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(caption);
    resize(designedSize);
}

void ChildWindow::placeAtTopCentre()
{
    m_leftTwips = (platform::ScreenWidthTwips() - widthTwips()) / 2.0;
    setLeftTwips(m_leftTwips);
    setTopTwips(0);
}

void ChildWindow::unloadWindow() { platform::Forms::unload(this); }

void ChildWindow::Form_Load()
{
    // Inside its MDI frame first, so the placement moves the frame that is shown.
    platform::Forms::adoptMdiChild(this);
    placeAtTopCentre();
    loadStep();
    LinkLabel::putLinksLastInTabOrder(this);
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    unloadOnClose();
    event->accept();
}
