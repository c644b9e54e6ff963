// Windows unloaded while a message box or a modal dialog runs its loop: they leave the
// collection and the screen at once, but live on until that loop has returned, so neither
// the box nor the code waiting on it loses what it holds.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "fixtures.h"
#include "platform/event_loops.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "test_registry.h"

namespace {

class PlainWindow : public QWidget, public platform::Form {
public:
    explicit PlainWindow(const QString& name, QWidget* parent = nullptr) : QWidget(parent), platform::Form(this, name)
    {
        setObjectName(name);
        resize(300, 200);
        exitButton = new QPushButton(QStringLiteral("Exit"), this);
        exitButton->setObjectName(QStringLiteral("cmdExit"));
        QObject::connect(exitButton, &QPushButton::clicked, exitButton, [this] { platform::Forms::unload(this); });
    }
    QPushButton* exitButton;
};

// Presses a button the way a screen reader does.
void pressAccessibly(QAbstractButton* button)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    QVERIFY(iface && iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Answers the message box that is up with the given button.
void answerBox(QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    pressAccessibly(box->button(which));
}

// Runs then once the window has left the collection (checked every few milliseconds).
void whenUnloaded(platform::Form* form, const std::function<void()>& then)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, form, then] {
        if (platform::Forms::isLoaded(form))
            return;
        poll->deleteLater();
        then();
    });
    poll->start();
}

using Unloader = std::function<void(PlainWindow* outer, PlainWindow* inner)>;

} // namespace

Q_DECLARE_METATYPE(Unloader)

class TestUnloadUnderLoop : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        platform::setMsgBoxHandler({}); // the real boxes
    }
    void cleanup() { env.reset(); }

    void windowOutlivesTheBoxShownOverIt_data()
    {
        QTest::addColumn<Unloader>("unloadFromInsideTheBox");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("zero timer, Yes/No box")
            << Unloader([](PlainWindow* outer, PlainWindow*) { platform::Forms::unload(outer); }) << platform::vbYesNo
            << platform::vbNo;
        QTest::newRow("screen reader presses the window's Exit")
            << Unloader([](PlainWindow* outer, PlainWindow*) { pressAccessibly(outer->exitButton); })
            << platform::vbCritical << platform::vbOK;
        QTest::newRow("window held inside goes with the outer one")
            << Unloader([](PlainWindow*, PlainWindow* inner) { pressAccessibly(inner->exitButton); })
            << platform::vbInformation << platform::vbOK;
    }

    // The box is parented to the active window; that window is unloaded from inside the
    // box's own loop. Neither the box nor the window may be destroyed under the loop.
    void windowOutlivesTheBoxShownOverIt()
    {
        QFETCH(Unloader, unloadFromInsideTheBox);
        QFETCH(int, style);
        QFETCH(int, answer);
        auto* outer = new PlainWindow(QStringLiteral("outer"));
        platform::Forms::load(outer);
        auto* inner = new PlainWindow(QStringLiteral("inner"), outer);
        platform::Forms::load(inner);
        // The inner one's Exit unloads the outer window, whose frame holds it.
        QObject::disconnect(inner->exitButton, nullptr, nullptr, nullptr);
        QObject::connect(inner->exitButton, &QPushButton::clicked, outer, [outer] { platform::Forms::unload(outer); });
        outer->show();
        outer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(outer));
        QPointer<PlainWindow> outerAlive = outer;
        QPointer<PlainWindow> innerAlive = inner;

        bool hiddenAtOnce = false;
        bool boxAliveWhenAnswered = false;
        QPointer<QMessageBox> box;
        QTimer::singleShot(0, outer, [&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            unloadFromInsideTheBox(outer, inner);
            // A screen reader's press lands a moment later; then the loop runs on a while
            // with the window unloaded before the box is answered.
            whenUnloaded(outer, [&] {
                hiddenAtOnce = !outerAlive->isVisible() && !platform::Forms::isLoaded(inner);
                QTimer::singleShot(30, [&] {
                    boxAliveWhenAnswered = !box.isNull() && box->parentWidget() == outerAlive;
                    answerBox(answer == platform::vbNo ? QMessageBox::No : QMessageBox::Ok);
                });
            });
        });
        const int result = platform::MsgBox(QStringLiteral("Go on?"), style);
        QCOMPARE(result, answer);
        QVERIFY(hiddenAtOnce);
        QVERIFY(boxAliveWhenAnswered);
        // The code that showed the box still holds its window.
        QVERIFY(outerAlive);
        QVERIFY(innerAlive);
        QCOMPARE(platform::Forms::awaitingDestruction(), std::size_t(2)); // both frames wait
        QTRY_VERIFY(outerAlive.isNull());
        QVERIFY(innerAlive.isNull());
        QCOMPARE(platform::Forms::awaitingDestruction(), std::size_t(0));
    }

    // The same for a modal dialog of the program's own (the about box runs like this).
    void windowOutlivesAModalDialogOverIt()
    {
        auto* window = new PlainWindow(QStringLiteral("window"));
        platform::Forms::load(window);
        window->show();
        QPointer<PlainWindow> alive = window;
        QPointer<QDialog> dialog = new QDialog(window);
        QTimer::singleShot(0, window, [&] {
            platform::Forms::unload(window);
            QTimer::singleShot(20, dialog.data(), &QDialog::accept);
        });
        QCOMPARE(dialog->exec(), int(QDialog::Accepted));
        QVERIFY(dialog);
        QVERIFY(alive);
        QVERIFY(!alive->isVisible());
        QTRY_VERIFY(alive.isNull());
    }

    // Inside the program's main loop, a window unloaded by a handler goes when control
    // returns to that loop, and not inside a box the same handler opens afterwards.
    void mainLoopDestroysOnlyAtItsOwnLevel()
    {
        auto* window = new PlainWindow(QStringLiteral("window"));
        platform::Forms::load(window);
        window->show();
        window->activateWindow();
        QPointer<PlainWindow> alive = window;
        bool aliveAfterBox = false;
        QEventLoop main;
        QTimer::singleShot(0, window, [&] {
            platform::Forms::unload(window);
            QTimer::singleShot(20, [] { answerBox(QMessageBox::Ok); });
            platform::MsgBox(QStringLiteral("Bye"), platform::vbInformation);
            aliveAfterBox = !alive.isNull();
            QTimer::singleShot(20, &main, &QEventLoop::quit);
        });
        platform::RunMainLoop(&main);
        QVERIFY(aliveAfterBox);
        QVERIFY(alive.isNull());
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestUnloadUnderLoop)
#include "test_unload_under_loop.moc"
