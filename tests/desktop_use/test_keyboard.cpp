// The keyboard as a user meets it: Ctrl+F4 and Ctrl+W close a course window back to the
// launchers, and every dialog opens on its default button, which Return presses.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "desktop_program.h"
#include "fixtures.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/link_label.h"
#include "shell/main_window.h"
#include "test_registry.h"

namespace {

bool launchersShown(frmMDI* main)
{
    for (int k = 0; k < 4; ++k) {
        const auto* launcher = main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(k));
        if (!launcher || !launcher->isVisible())
            return false;
    }
    return main->findChild<QWidget*>(QStringLiteral("picMain"))->isVisible();
}

// Runs check while the next modal box is up (after its event loop started). A box that the
// check's keys did not close is closed then, so the test fails instead of waiting forever.
void whileModal(std::function<void(QWidget* box)> check)
{
    QTimer::singleShot(0, [check] {
        QPointer<QWidget> box = QApplication::activeModalWidget();
        if (box && QTest::qWaitForWindowActive(box))
            check(box);
        if (box)
            QTimer::singleShot(0, box, [box] { box->close(); });
    });
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void closeKeysUnloadTheCourseWindow_data()
    {
        QTest::addColumn<int>("course");
        QTest::addColumn<QKeySequence>("keys");
        const char* names[] = {"astrology", "numerology", "tarot", "runes"};
        for (int k = 0; k < 4; ++k) {
            QTest::addRow("%s, Ctrl+F4", names[k]) << k << QKeySequence(Qt::CTRL | Qt::Key_F4);
            QTest::addRow("%s, Ctrl+W", names[k]) << k << QKeySequence(Qt::CTRL | Qt::Key_W);
        }
    }
    void mainWindowOpensOnTheFirstLauncher()
    {
        TestEnvironment env;
        frmMDI* main = desktop::startProgram(env);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto* first = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY(first);
        QVERIFY(first->objectName().startsWith(QLatin1String("cmdSelectOption_")));
        // The leftmost launcher, not a link, so Return opens no web page and Space starts it.
        QCOMPARE(first, main->findChild<QWidget*>(QStringLiteral("picButtonContainer"))
                            ->findChildren<QPushButton*>().constFirst());
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(env.openedPages.isEmpty());
        QTest::keyClick(first, Qt::Key_Space);
        QTRY_VERIFY(!launchersShown(main));
    }

    void closeKeysUnloadTheCourseWindow()
    {
        QFETCH(int, course);
        QFETCH(QKeySequence, keys);
        TestEnvironment env;
        frmMDI* main = desktop::startProgram(env);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QWidget* window = desktop::openCourse(main, course);
        QVERIFY(window && window->isVisible());
        QVERIFY(!launchersShown(main));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));

        // Where the opened window leaves the focus, and again from one of its controls. It is
        // not on a link, where Return would open a web page.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main;
        QVERIFY2(!qobject_cast<LinkLabel*>(target), qPrintable(target->objectName()));
        QTest::keySequence(target, keys);
        QVERIFY2(!platform::Forms::find(QString::fromLatin1(frmMDI::CourseWindows[std::size_t(course)])),
                 "the course window is still loaded");
        QVERIFY(launchersShown(main));

        // Opened again, the keys close it from a control inside it.
        window = desktop::openCourse(main, course);
        QVERIFY(window);
        QWidget* control = nullptr;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                control = w;
                break;
            }
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(control->hasFocus());
        QTest::keySequence(control, keys);
        QVERIFY(!platform::Forms::find(QString::fromLatin1(frmMDI::CourseWindows[std::size_t(course)])));
        QVERIFY(launchersShown(main));
    }

    void aboutBoxOpensOnOkAndReturnClosesIt()
    {
        TestEnvironment env;
        QWidget* focused = nullptr;
        bool linkFocused = false;
        bool stillOpen = true;
        whileModal([&](QWidget* box) {
            focused = QApplication::focusWidget();
            // Tab reaches the first link, which Return follows once.
            QTest::keyClick(focused, Qt::Key_Tab);
            linkFocused = qobject_cast<LinkLabel*>(QApplication::focusWidget()) != nullptr;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            stillOpen = box->isVisible();
        });
        frmAbout::ShowModal(nullptr);
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), QStringLiteral("cmdOK"));
        QVERIFY(linkFocused);
        QCOMPARE(env.openedPages.size(), 1);
        QVERIFY(!stillOpen);
        QVERIFY(!platform::Forms::find<frmAbout>());
    }

    void messageBoxesOpenOnTheirDefaultButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << platform::vbOKOnly << platform::vbOK;
        QTest::newRow("critical") << platform::vbCritical << platform::vbOK;
        QTest::newRow("exclamation") << platform::vbExclamation << platform::vbOK;
        QTest::newRow("information") << platform::vbInformation << platform::vbOK;
        QTest::newRow("Yes/No with information") << platform::vbYesNo + platform::vbInformation << platform::vbYes;
    }
    void messageBoxesOpenOnTheirDefaultButton()
    {
        QFETCH(int, style);
        QFETCH(int, answer);
        QAbstractButton* focused = nullptr;
        QAbstractButton* defaultButton = nullptr;
        bool stillOpen = true;
        whileModal([&](QWidget* box) {
            defaultButton = qobject_cast<QMessageBox*>(box)->defaultButton();
            focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            stillOpen = box->isVisible();
        });
        QCOMPARE(platform::ShowMessageBox(QStringLiteral("A question"), style), answer);
        QVERIFY(defaultButton);
        QCOMPARE(focused, defaultButton);
        QVERIFY(!stillOpen);
    }

    void exitScreenOpensOnExitAndReturnPressesIt()
    {
        TestEnvironment env;
        auto* screen = platform::Forms::instance<frmExitScreen>();
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen));
        auto* exit = screen->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        QCOMPARE(QApplication::focusWidget(), exit);
        QVERIFY(exit->isDefault());

        // Return in a box of the form does not leave.
        auto* name = screen->findChild<QLineEdit*>(QStringLiteral("txtName"));
        name->setFocus(Qt::TabFocusReason);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(env.processEnds, 0);

        exit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(exit, Qt::Key_Return);
        QCOMPARE(env.processEnds, 1);
    }
};

ORVANEL_TEST(TestKeyboard)
#include "test_keyboard.moc"
