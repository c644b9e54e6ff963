// The exit screen: support messages, placeholder rules, the refer-a-friend checks and
// address, its links and the ways out of the program.
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

#include "fixtures.h"
#include "platform/forms.h"
#include "platform/plain_text.h"
#include "shell/exact_text.h"
#include "shell/frmExitScreen.h"
#include "shell/modTellAFriend.h"
#include "test_registry.h"

namespace {
const QString HomePage = QStringLiteral("https://www.velmora.net");
const QString ReferPage = QStringLiteral("https://www.velmora.net/refer-a-friend.html");
// The five boxes in the order of their stored strings and query keys taf1..taf5.
const QStringList Boxes{"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};

template <typename T = QWidget>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return found;
}

QString boxText(QWidget* window, const QString& name)
{
    QWidget* box = control(window, name);
    auto* plain = qobject_cast<QPlainTextEdit*>(box);
    return plain ? exactPlainText(plain) : qobject_cast<QLineEdit*>(box)->text();
}

void setBoxText(QWidget* window, const QString& name, const QString& text)
{
    QWidget* box = control(window, name);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
    else
        qobject_cast<QLineEdit*>(box)->setText(text);
}

void sendFocus(QWidget* box, QEvent::Type type, Qt::FocusReason reason = Qt::TabFocusReason)
{
    QFocusEvent event(type, reason);
    QApplication::sendEvent(box, &event);
}

frmExitScreen* activeScreen()
{
    auto* screen = platform::Forms::instance<frmExitScreen>();
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen))
        qFatal("exit screen not active");
    return screen;
}

// The query of an address as (key, value) pairs in their order.
QList<QPair<QString, QString>> queryItems(const QString& address)
{
    return QUrlQuery(QUrl(address, QUrl::StrictMode)).queryItems(QUrl::FullyDecoded);
}

QList<QPair<QString, QString>> expectedItems(QStringList values)
{
    values << QStringLiteral("https://www.orvanel.net/");
    QList<QPair<QString, QString>> items;
    for (int i = 0; i < values.size(); ++i)
        items.append({QStringLiteral("taf%1").arg(i + 1), values.at(i)});
    return items;
}
} // namespace

class TestExitScreen : public QObject {
    Q_OBJECT
private slots:
    void startsOnTopWithItsPlaceholders()
    {
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        QVERIFY(screen->isVisible());
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Orvanel v1.20"));
        QVERIFY(!control<QLabel>(screen, "Picture1")->pixmap().isNull());
        const QStringList placeholders{"Your Name", "Your Email Address", "Your Message", "Friend's Name",
                                       "Friend's Email Address"};
        for (int i = 0; i < Boxes.size(); ++i)
            QCOMPARE(boxText(screen, Boxes.at(i)), placeholders.at(i));
        // Nothing sticks out of the window.
        for (QWidget* child : screen->findChildren<QWidget*>())
            if (child->isVisible() && !child->objectName().isEmpty())
                QVERIFY2(screen->rect().contains(QRect(child->mapTo(screen, QPoint()), child->size())),
                         qPrintable(child->objectName()));
    }

    void everySupportMessageOccurs()
    {
        TestEnvironment env;
        const QStringList fixed{
            "Kesterly, such as this can be created and maintained only with your support. The best way to support "
            "Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.",
            "Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These "
            "softwares cannot be supported and maintained, without you regularly visiting Velmora",
            "Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various "
            "discussions and activites to help us maintain and develop more Kesterly."};
        const QString secondEnd = QStringLiteral(". To help Velmora develop and maintain this software visit Velmora regularly.");
        QSet<QString> seen;
        for (int load = 0; load < 40; ++load) {
            auto* screen = platform::Forms::instance<frmExitScreen>();
            const QString message = control<QLabel>(screen, "Label2")->text();
            QVERIFY2(fixed.contains(message) || message.indexOf(secondEnd) > 0, qPrintable(message));
            seen.insert(message);
            platform::Forms::unload(screen); // its shutdown is only counted
        }
        QCOMPARE(seen.size(), 4);
    }

    void placeholderOnEntryAndExit_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("afterEntry");
        QTest::addColumn<QString>("afterExit");
        QTest::newRow("placeholder") << "txtName" << "Your Name" << "" << "Your Name";
        QTest::newRow("placeholder in blanks") << "txtEmail" << "  Your Email Address " << "" << "Your Email Address";
        QTest::newRow("all blanks") << "txtFriendName" << "   " << "   " << "Friend's Name";
        QTest::newRow("own text") << "txtFriendEmail" << " a@b.c " << " a@b.c " << " a@b.c ";
        QTest::newRow("case counts") << "txtName" << "your name" << "your name" << "your name";
        QTest::newRow("tab is no blank") << "txtName" << "\tYour Name" << "\tYour Name" << "\tYour Name";
        QTest::newRow("lone line break") << "txtMessage" << "\n" << "\n" << "\n";
        QTest::newRow("message placeholder") << "txtMessage" << "Your Message" << "" << "Your Message";
    }
    void placeholderOnEntryAndExit()
    {
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(QString, afterEntry);
        QFETCH(QString, afterExit);
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        setBoxText(screen, box, before);
        sendFocus(control(screen, box), QEvent::FocusIn);
        QCOMPARE(boxText(screen, box), afterEntry);
        sendFocus(control(screen, box), QEvent::FocusOut);
        QCOMPARE(boxText(screen, box), afterExit);
        // The window losing activation is no move between boxes.
        setBoxText(screen, box, QString());
        sendFocus(control(screen, box), QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCOMPARE(boxText(screen, box), QString());
    }

    void tabbingThroughTheForm()
    {
        TestEnvironment env;
        auto* screen = activeScreen();
        auto* name = control<QLineEdit>(screen, "txtName");
        auto* email = control<QLineEdit>(screen, "txtEmail");
        name->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(name, QStringLiteral("Ann"));
        QTest::keyClick(name, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), email);
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        QCOMPARE(email->text(), QString());
        QTest::keyClick(email, Qt::Key_Tab);
        QCOMPARE(email->text(), QStringLiteral("Your Email Address"));
    }

    void spaceRefusedInEmailBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("email") << "txtEmail" << "a b@c .d" << "ab@c.d";
        QTest::newRow("friend's email") << "txtFriendEmail" << " x@y.z" << "x@y.z";
        QTest::newRow("name takes spaces") << "txtName" << "Ann Lee" << "Ann Lee";
    }
    void spaceRefusedInEmailBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TestEnvironment env;
        auto* edit = control<QLineEdit>(activeScreen(), box);
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), expected);
        QCOMPARE(env.messages.size(), std::size_t(typed.size() - expected.size()));
        for (const ShownMessage& m : env.messages) {
            QCOMPARE(m.prompt, QStringLiteral("Email Address Cannot Contain Space"));
            QCOMPARE(m.style, 16);
        }
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    void submitChecksInOrder_data()
    {
        QTest::addColumn<QStringList>("typed"); // in the order of Boxes; fewer leave placeholders
        QTest::addColumn<QString>("message");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        QTest::newRow("untouched form") << QStringList{} << proper;
        QTest::newRow("both e-mails empty") << QStringList{"Ann", "", "Hi", "Bo", ""} << distinct;
        QTest::newRow("equal but for blanks") << QStringList{"Ann", " a@b.c", "Hi", "Bo", "a@b.c  "} << distinct;
        QTest::newRow("equality before @")
            << QStringList{"Your Name", "same", "Your Message", "Friend's Name", "same"} << distinct;
        QTest::newRow("no @ in mine") << QStringList{"Ann", "a.b.c", "Hi", "Bo", "d@e.f"} << proper;
        QTest::newRow("no @ in friend's") << QStringList{"Ann", "a@b.c", "Hi", "Bo", "d.e.f"} << proper;
        QTest::newRow("no dot in mine") << QStringList{"Ann", "a@bc", "Hi", "Bo", "d@e.f"} << proper;
        QTest::newRow("no dot in friend's") << QStringList{"Ann", "a@b.c", "Hi", "Bo", "d@ef"} << proper;
        QTest::newRow("name untouched")
            << QStringList{"Your Name", "a@b.c", "Your Message", "Friend's Name", "d@e.f"} << "Please Enter Your Name";
        QTest::newRow("name all blanks") << QStringList{"   ", "a@b.c", "Hi", "Bo", "d@e.f"} << "Please Enter Your Name";
        QTest::newRow("message untouched")
            << QStringList{"Ann", "a@b.c", "Your Message", "Friend's Name", "d@e.f"} << "Please Enter Your Message";
        QTest::newRow("message empty") << QStringList{"Ann", "a@b.c", "", "Bo", "d@e.f"} << "Please Enter Your Message";
        QTest::newRow("friend's name untouched")
            << QStringList{"Ann", "a@b.c", "Hi", " Friend's Name ", "d@e.f"} << "Please Enter Your Friend's Name";
        QTest::newRow("@ and dot are enough") << QStringList{"Ann", "@.", "Hi", "Bo", ".@"} << "";
        QTest::newRow("case makes distinct") << QStringList{"Ann", "A@b.c", "Hi", "Bo", "a@b.c"} << "";
        QTest::newRow("tab is a name") << QStringList{"\t", "a@b.c", "Hi", "Bo", "d@e.f"} << "";
        QTest::newRow("no-break spaces kept")
            << QStringList{"Ann", "a@b.c", QString::fromUtf8("10\u00a0km\nBye"), "Bo", "d@e.f"} << "";
        QTest::newRow("values trimmed") << QStringList{" Ann Lee ", "a@b.c", "x & y=1\nBye ", "Bo", " d@e.f"} << "";
    }
    void submitChecksInOrder()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        for (int i = 0; i < typed.size(); ++i)
            setBoxText(screen, Boxes.at(i), typed.at(i));

        control<QPushButton>(screen, "cmdSubmit")->click();

        // The page gets the boxes' texts trimmed of blanks, the message's line breaks as CR LF.
        QStringList trimmed;
        for (const QString& box : Boxes)
            trimmed << platform::TrimBlanks(boxText(screen, box));
        trimmed[2].replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        if (message.isEmpty()) {
            QVERIFY(env.messages.empty());
            QCOMPARE(env.openedPages.size(), 1);
            QVERIFY(env.openedPages.first().startsWith(ReferPage + QLatin1Char('?')));
            QCOMPARE(queryItems(env.openedPages.first()), expectedItems(trimmed));
        } else {
            QCOMPARE(env.prompts(), QStringList{message});
            QCOMPARE(env.messages.front().style, 16);
            QVERIFY(env.openedPages.isEmpty());
        }
        // The screen stays open with the user's texts in place.
        QCOMPARE(platform::Forms::find<frmExitScreen>(), screen);
        for (int i = 0; i < typed.size(); ++i)
            QCOMPARE(boxText(screen, Boxes.at(i)), typed.at(i));
        QCOMPARE(env.processEnds, 0);
    }

    void referAFriendAddress_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("ampersand cannot add a key") << QStringList{"Ann & Co", "a@b.c", "x&taf6=evil", "Bo", "d@e.f"};
        QTest::newRow("equals, hash, plus") << QStringList{"A=B", "a@b.c", "50% #1 ?", "Bo+1", "d@e.f"};
        QTest::newRow("blanks and line breaks") << QStringList{"Ann Lee", "a@b.c", "l 1\r\nl 2\n\tend", "B o", "d@e.f"};
        QTest::newRow("beyond ASCII") << QStringList{"Zoë", "a@b.c", "Grüße – ᚠ", "Bo", "d@e.f"};
        QTest::newRow("empty values") << QStringList{"", "", "", "", ""};
    }
    void referAFriendAddress()
    {
        QFETCH(QStringList, values);
        const QString address =
            modTellAFriend::BuildReferAFriendURL({values.at(0), values.at(1), values.at(2), values.at(3), values.at(4)});
        QVERIFY(address.startsWith(ReferPage + QStringLiteral("?taf1=")));
        QCOMPARE(address.count(QLatin1Char('&')), 5);
        QVERIFY(!address.contains(QLatin1Char(' ')) && !address.contains(QLatin1Char('\n')));
        QCOMPARE(queryItems(address), expectedItems(values));
    }

    void linksOpenTheirPages()
    {
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        auto* check = control<QCheckBox>(screen, "Check1");
        // Each tick, by the user or by program, opens the home page once and ends unticked.
        check->click();
        QVERIFY(!check->isChecked());
        check->click();
        check->setChecked(true);
        QVERIFY(!check->isChecked());
        QCOMPARE(env.openedPages, (QStringList{HomePage, HomePage, HomePage}));

        env.openedPages.clear();
        QTest::mouseClick(control(screen, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(env.openedPages, QStringList{QStringLiteral("https://www.velmora.net/kesterly")});
        QCOMPARE(env.processEnds, 0);
    }

    void leavingEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("exit button") << false;
        QTest::newRow("close box") << true;
    }
    void leavingEndsTheProgram()
    {
        QFETCH(bool, byCloseBox);
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        if (byCloseBox)
            QVERIFY(screen->close());
        else
            control<QPushButton>(screen, "cmdClose")->click();
        QCOMPARE(env.processEnds, 1);
        QVERIFY(!platform::Forms::find<frmExitScreen>());
    }
};

ORVANEL_TEST(TestExitScreen)
#include "test_exit_screen.moc"
