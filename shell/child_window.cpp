#include "shell/child_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>

#include "platform/screen.h"
#include "shell/link_label.h"

ChildWindow::ChildWindow(const char* formName, const QString& caption, QSize designedSize)
    : platform::Form(this, QString::fromLatin1(formName)), m_designedSize(designedSize)
{
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(caption);
    resize(designedSize);
    addCloseKeys();
}

void ChildWindow::addCloseKeys()
{
    // The MDI frame closes on the platform's Close keys already; the ones it lacks (Ctrl+F4 on
    // a plain X11 desktop) are added here, since the same key twice would be ambiguous and
    // close nothing.
    const QList<QKeySequence> platformKeys = QKeySequence::keyBindings(QKeySequence::Close);
    QList<QKeySequence> missing;
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!platformKeys.contains(key))
            missing << key;
    if (missing.isEmpty())
        return;
    auto* close = new QAction(this);
    close->setShortcuts(missing);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(close);
    connect(close, &QAction::triggered, this, &ChildWindow::unloadWindow);
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
