// The about box, the Help menu and link labels that every course window shares, and the
// copy guard on course text boxes.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "fixtures.h"
#include "platform/forms.h"
#include "shell/course_commands.h"
#include "shell/frmAbout.h"
#include "shell/link_label.h"
#include "test_registry.h"

namespace {
const QString HomePage = QStringLiteral("https://www.velmora.net");
const QString FullyBranded = QStringLiteral("https://help.velmora.net/fully-branded.html");
const QString CoBrand = QStringLiteral("https://help.velmora.net/co-brand.html");
const QString OnlineHelp = QStringLiteral("https://www.orvanel.net/Orvanel-help.html");
const QString Download = QStringLiteral("https://www.orvanel.net/download-Orvanel.html");

template <typename T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

QColor textColour(const QWidget* label) { return label->palette().color(label->foregroundRole()); }

// What happened while an about box was open, seen from inside its modal run.
struct ModalVisit {
    bool shown = false;
    bool modal = false;
    QWidget* parent = nullptr;
};

// Closes the about box from inside its modal run, by "&OK" or by the close box.
void closeAboutSoon(ModalVisit* visit, bool byCloseBox)
{
    QTimer::singleShot(0, [visit, byCloseBox] {
        frmAbout* box = platform::Forms::find<frmAbout>();
        if (!box)
            return;
        visit->shown = box->isVisible();
        visit->modal = QApplication::activeModalWidget() == box;
        visit->parent = box->parentWidget();
        if (byCloseBox)
            box->close();
        else
            control<QPushButton>(box, "cmdOK")->click();
    });
}

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF local(5, 5);
    QMouseEvent event(type, local, target->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QWidget* makeBox(const QString& kind)
{
    if (kind == QLatin1String("text edit"))
        return new QTextEdit;
    if (kind == QLatin1String("plain text edit"))
        return new QPlainTextEdit;
    return new QLineEdit;
}

QWidget* mouseTarget(QWidget* box)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box))
        return area->viewport();
    return box;
}

void setText(QWidget* box, const QString& text)
{
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        rich->setPlainText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
}
} // namespace

class TestAboutAndCommands : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxTextsAndLinks()
    {
        TestEnvironment env;
        auto* box = platform::Forms::instance<frmAbout>();
        QCOMPARE(box->windowTitle(), QStringLiteral("Orvanel v1.20"));
        QCOMPARE(control<QLabel>(box, "Label2")->text(), QStringLiteral("Orvanel v1.20"));
        QCOMPARE(control<QLabel>(box, "Label1")->text(),
                 QStringLiteral("Orvanel is a collection of learning softwares teaching you the basics of Astrology, "
                                "Numerology, Tarot and Runes. This is a learn-and-test yourself kind of learning "
                                "software. This software is a simple and useful aid in the study of the above "
                                "mentioned topics. This can help beginners learn and test their understanding of "
                                "the subject."));
        QCOMPARE(control<QLabel>(box, "Label3")->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website. "));
        QCOMPARE(control<QLabel>(box, "lblCobrand")->text(), QStringLiteral("Click here for more details."));
        QVERIFY(control<QLabel>(box, "lblHomePage")->text().contains(QStringLiteral("www.velmora.net")));
        QCOMPARE(control<QPushButton>(box, "cmdOK")->text(), QStringLiteral("&OK"));
        QVERIFY(control<QWidget>(box, "Line1"));
        QVERIFY(!control<QLabel>(box, "Picture1")->pixmap().isNull());
        QVERIFY(control<QLabel>(box, "Label2")->font().bold());
        QVERIFY(control<QLabel>(box, "Label3")->font().bold());
        QCOMPARE(textColour(control<QLabel>(box, "Label1")), QColor(Qt::white));

        for (const char* name : {"lblCobrand", "lblHomePage"}) {
            auto* link = control<LinkLabel>(box, name);
            QCOMPARE(textColour(link), QColor(0, 255, 255));
            QVERIFY(link->underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        }

        // Link clicks open their pages and leave the box loaded.
        QTest::mouseClick(control<QLabel>(box, "lblCobrand"), Qt::LeftButton);
        QTest::mouseClick(control<QLabel>(box, "lblHomePage"), Qt::LeftButton);
        QCOMPARE(env.openedPages, (QStringList{FullyBranded, HomePage}));
        QCOMPARE(platform::Forms::find<frmAbout>(), box);

        // Nothing is cut off: each text fits the width and height its label gets.
        box->show();
        for (const char* name : {"Label1", "Label2", "Label3", "lblCobrand", "lblHomePage"}) {
            auto* label = control<QLabel>(box, name);
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
            QVERIFY2(box->rect().contains(QRect(label->mapTo(box, QPoint(0, 0)), label->size())), name);
        }
    }

    void aboutBoxIsModalAndUnloadedWhenClosed_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("withOwner");
        QTest::newRow("OK, no owner") << false << false;
        QTest::newRow("close box, no owner") << true << false;
        QTest::newRow("OK, owner window") << false << true;
        QTest::newRow("close box, owner window") << true << true;
    }
    void aboutBoxIsModalAndUnloadedWhenClosed()
    {
        QFETCH(bool, byCloseBox);
        QFETCH(bool, withOwner);
        TestEnvironment env;
        QWidget owner;
        owner.show();
        ModalVisit visit;
        closeAboutSoon(&visit, byCloseBox);
        frmAbout::ShowModal(withOwner ? &owner : nullptr);
        QVERIFY(visit.shown);
        QVERIFY(visit.modal);
        QCOMPARE(visit.parent, withOwner ? &owner : nullptr);
        QVERIFY(!platform::Forms::find<frmAbout>());

        // Shown again, it is a fresh box, closed the other way this time.
        ModalVisit again;
        closeAboutSoon(&again, !byCloseBox);
        frmAbout::ShowModal(nullptr);
        QVERIFY(again.shown && again.modal);
        QVERIFY(!platform::Forms::find<frmAbout>());
    }

    void helpMenuItemsInOrder_data()
    {
        QTest::addColumn<QString>("updateCaption");
        QTest::newRow("usual caption") << QString();
        QTest::newRow("astrology caption") << QStringLiteral("&Check for Software Update");
    }
    void helpMenuItemsInOrder()
    {
        QFETCH(QString, updateCaption);
        TestEnvironment env;
        QWidget course;
        QMenuBar bar(&course);
        QMenu* help = updateCaption.isEmpty() ? course_commands::addHelpMenu(&bar, &course)
                                              : course_commands::addHelpMenu(&bar, &course, updateCaption);
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        const QList<QAction*> items = help->actions();
        QCOMPARE(items.size(), 6);
        const QStringList names{"mnuOnline", "mnuVisit", "", "mnuUpdate", "", "mnuAbout"};
        const QStringList captions{"&Online Help", "&Visit Us Online", "",
                                   updateCaption.isEmpty() ? "Check for Software &Update" : updateCaption, "",
                                   "&About Software"};
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i)->isSeparator(), names.at(i).isEmpty());
            if (names.at(i).isEmpty())
                continue;
            QCOMPARE(items.at(i)->objectName(), names.at(i));
            QCOMPARE(items.at(i)->text(), captions.at(i));
            QVERIFY(items.at(i)->shortcut().isEmpty());
        }

        items.at(0)->trigger();
        items.at(1)->trigger();
        items.at(3)->trigger();
        QCOMPARE(env.openedPages, (QStringList{OnlineHelp, HomePage, Download}));

        // The about item shows the about box modal over its owner.
        course.show();
        ModalVisit visit;
        closeAboutSoon(&visit, false);
        items.at(5)->trigger();
        QVERIFY(visit.shown && visit.modal);
        QCOMPARE(visit.parent, &course);
        QVERIFY(!platform::Forms::find<frmAbout>());
    }

    void linkLabelsOpenTheirPages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::newRow("forum") << 0 << "Label14" << course_commands::ForumInvitationText() << HomePage;
        QTest::newRow("co-brand")
            << 1 << "lblCobrand"
            << "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's "
               "name &  link here. See \"Help\" for details.    Click Here for more info on co-branding."
            << CoBrand;
        QTest::newRow("fully branded")
            << 2 << "lblFullBrand"
            << "Home Business Opportunity. Start your own Internet business and make money online. Get this "
               "software fully branded for your website. Click here for more details."
            << FullyBranded;
    }
    void linkLabelsOpenTheirPages()
    {
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, page);
        TestEnvironment env;
        QWidget window;
        LinkLabel* label = which == 0   ? course_commands::makeForumLabel(name, text, &window)
                           : which == 1 ? course_commands::makeCoBrandLabel(&window)
                                        : course_commands::makeFullBrandLabel(&window);
        QCOMPARE(label->parentWidget(), &window);
        QCOMPARE(label->objectName(), name);
        QCOMPARE(label->text(), text);
        if (which == 0) // an advertisement, then the fixed call
            QVERIFY(text.endsWith(QStringLiteral(". Click Here To Visit Velmora Now.")) && !text.startsWith('C'));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->wordWrap());
        QVERIFY(label->underline());
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        label->resize(400, 80);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(env.openedPages, (QStringList{page, page}));
    }

    void copyGuardEmptiesTheClipboard_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("emptied");
        for (const char* kind : {"text edit", "plain text edit", "line edit"}) {
            const QString k = QString::fromLatin1(kind);
            QTest::addRow("%s, text set", kind) << k << "set text" << true;
            QTest::addRow("%s, typing", kind) << k << "type" << true;
            QTest::addRow("%s, click", kind) << k << "click" << true;
            QTest::addRow("%s, press", kind) << k << "press" << true;
            QTest::addRow("%s, release", kind) << k << "release" << true;
            QTest::addRow("%s, move", kind) << k << "move" << true;
            QTest::addRow("%s, arrow key", kind) << k << "arrow key" << false;
            QTest::addRow("%s, unguarded move", kind) << k << "unguarded move" << false;
        }
    }
    void copyGuardEmptiesTheClipboard()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(bool, emptied);
        QClipboard* clipboard = QApplication::clipboard();
        std::unique_ptr<QWidget> box(makeBox(kind));
        setText(box.get(), QStringLiteral("Fehu: wealth"));
        box->resize(200, 100);
        box->show();
        if (action != QLatin1String("unguarded move"))
            course_commands::guardCopy(box.get());
        clipboard->setText(QStringLiteral("copied"));
        QCOMPARE(clipboard->text(), QStringLiteral("copied"));

        QWidget* target = mouseTarget(box.get());
        if (action == QLatin1String("set text"))
            setText(box.get(), QStringLiteral("Uruz: strength"));
        else if (action == QLatin1String("type"))
            QTest::keyClick(box.get(), Qt::Key_A);
        else if (action == QLatin1String("click"))
            QTest::mouseClick(target, Qt::LeftButton);
        else if (action == QLatin1String("press"))
            sendMouse(target, QEvent::MouseButtonPress, Qt::RightButton);
        else if (action == QLatin1String("release"))
            sendMouse(target, QEvent::MouseButtonRelease, Qt::LeftButton);
        else if (action == QLatin1String("move") || action == QLatin1String("unguarded move"))
            sendMouse(target, QEvent::MouseMove, Qt::NoButton);
        else if (action == QLatin1String("arrow key"))
            QTest::keyClick(box.get(), Qt::Key_Right);

        QCOMPARE(clipboard->text().isEmpty(), emptied);
        QVERIFY(target->hasMouseTracking() || action == QLatin1String("unguarded move"));
    }

    void keyboardCopyLastsUntilTheNextMouseMove()
    {
        QClipboard* clipboard = QApplication::clipboard();
        QLineEdit box(QStringLiteral("Ansuz: signals"));
        course_commands::guardCopy(&box);
        box.show();
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("Ansuz: signals"));
        sendMouse(&box, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(clipboard->text().isEmpty());
    }

    void textCannotBeCarriedOutByTheMouse()
    {
        QTextEdit box;
        box.setPlainText(QStringLiteral("Ingwaz: gestation, inner growth"));
        course_commands::guardCopy(&box);
        box.show();
        // No context menu with a Copy entry.
        QCOMPARE(box.contextMenuPolicy(), Qt::NoContextMenu);
        // A press inside a selection drops it, so no drag of the text can start.
        box.selectAll();
        QVERIFY(box.textCursor().hasSelection());
        sendMouse(box.viewport(), QEvent::MouseButtonPress, Qt::LeftButton);
        QVERIFY(!box.textCursor().hasSelection());
        QLineEdit line(QStringLiteral("Laguz"));
        course_commands::guardCopy(&line);
        QVERIFY(!line.dragEnabled());
        QCOMPARE(line.contextMenuPolicy(), Qt::NoContextMenu);
    }
};

ORVANEL_TEST(TestAboutAndCommands)
#include "test_about_and_commands.moc"
