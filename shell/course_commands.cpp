#include "shell/course_commands.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "platform/clipboard.h"
#include "shell/frmAbout.h"
#include "shell/link_label.h"
#include "shell/web_pages.h"

namespace course_commands {
namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

template <typename Opener>
LinkLabel* makeLinkLabel(const QString& objectName, const QString& text, QWidget* parent, Opener open)
{
    auto* label = new LinkLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->makeLink();
    // Drawn in the window's link colour, so a course window can set its own through its palette.
    label->setForegroundRole(QPalette::Link);
    QObject::connect(label, &LinkLabel::clicked, label, open);
    return label;
}

// Empties the clipboard on the mouse events of a guarded box and its viewport.
class CopyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            // A press inside a selection would start dragging the text out of the program.
            dropSelection(watched->parent());
            platform::ClearClipboard();
            break;
        case QEvent::MouseMove:
            platform::ClearClipboard();
            break;
        case QEvent::MouseButtonRelease:
            platform::ClearClipboard();
            // The box offers its mouse selection to the system only after the release.
            QTimer::singleShot(0, this, [] { platform::ClearClipboard(); });
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void dropSelection(QObject* box)
    {
        if (auto* rich = qobject_cast<QTextEdit*>(box)) {
            QTextCursor cursor = rich->textCursor();
            cursor.clearSelection();
            rich->setTextCursor(cursor);
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
            QTextCursor cursor = plain->textCursor();
            cursor.clearSelection();
            plain->setTextCursor(cursor);
        }
    }
};

void watchMouse(QWidget* widget, CopyGuard* guard)
{
    // Moves without a pressed button reach the widget only with tracking on.
    widget->setMouseTracking(true);
    widget->installEventFilter(guard);
}

} // namespace

QMenu* addHelpMenu(QMenuBar* bar, QWidget* aboutOwner, const QString& updateCaption)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = addItem(help, "mnuOnline", QStringLiteral("&Online Help"));
    QAction* visit = addItem(help, "mnuVisit", QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    QAction* update = addItem(help, "mnuUpdate", updateCaption);
    help->addSeparator();
    QAction* about = addItem(help, "mnuAbout", QStringLiteral("&About Software"));

    QObject::connect(online, &QAction::triggered, help, [] { modHelp::GoToOnlineHelp(); });
    QObject::connect(visit, &QAction::triggered, help, [] { modHelp::GoToHomePage(); });
    QObject::connect(update, &QAction::triggered, help, [] { modHelp::GoToDownload(); });
    QObject::connect(about, &QAction::triggered, help,
                     [owner = QPointer<QWidget>(aboutOwner)] { frmAbout::ShowModal(owner.data()); });
    return help;
}

QString ForumInvitationText()
{
    return QStringLiteral("Velmora is a free online forum where students of astrology, numerology, tarot and runes "
                          "meet to ask questions, share readings and learn from each other. "
                          "Click Here To Visit Velmora Now.");
}

LinkLabel* makeForumLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    return makeLinkLabel(objectName, text, parent, [] { modHelp::GoToHomePage(); });
}

LinkLabel* makeCoBrandLabel(QWidget* parent)
{
    return makeLinkLabel(QStringLiteral("lblCobrand"),
                         QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                        "site. Put your site's name &  link here. See \"Help\" for details.    "
                                        "Click Here for more info on co-branding."),
                         parent, [] { modHelp::GoToCoBrand(); });
}

LinkLabel* makeFullBrandLabel(QWidget* parent)
{
    return makeLinkLabel(QStringLiteral("lblFullBrand"),
                         QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                        "online. Get this software fully branded for your website. Click here for "
                                        "more details."),
                         parent, [] { modHelp::GoToFullyBranded(); });
}

void guardCopy(QWidget* box)
{
    if (!box)
        return;
    auto* guard = new CopyGuard(box);
    watchMouse(box, guard);
    // No Copy entry under the mouse either; the keyboard copy command still works.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        QObject::connect(rich, &QTextEdit::textChanged, guard, [] { platform::ClearClipboard(); });
        watchMouse(rich->viewport(), guard);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QObject::connect(plain, &QPlainTextEdit::textChanged, guard, [] { platform::ClearClipboard(); });
        watchMouse(plain->viewport(), guard);
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        QObject::connect(line, &QLineEdit::textChanged, guard, [] { platform::ClearClipboard(); });
        line->setDragEnabled(false);
    }
}

} // namespace course_commands
